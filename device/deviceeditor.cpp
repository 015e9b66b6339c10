#include "device/deviceeditor.h"

#include "app/lanaguagemanager.h"
#include "aptui/basedialog.h"
#include "aptui/textsize.h"
#include "data/bitratecalculator.h"
#include "data/bitrateconfigloader.h"
#include "data/deviceinfomanager.h"
#include "data/scenceselector.h"
#include "data/siteplan.h"
#include "data/scenenames.h"
#include "platform/cintvalidator.h"
#include "platform/fieldvalue.h"

#include "ui_deviceeditor.h"

#include <QSignalBlocker>
#include <QValidator>

#include <iterator>

namespace {

constexpr int ExpandedWidth = 390;
constexpr int CollapsedWidth = 34;
constexpr int ConstructedWidth = 400;
constexpr int MaxChannelCounts = 1024;
constexpr int MaxRate = 204800; // kbps
constexpr int MaxChannelNameLength = 20;
// A saved name, with its "(group number)", always opens again.
static_assert(MaxChannelNameLength + int(sizeof("(100000)")) - 1 <= PlanTextLimits::MaxNameLength);

// The last four frame-rate entries stand for 1/2, 1/4, 1/8 and 1/16 frame
// per second, whatever their texts say.
constexpr int FirstFractionalFrameIndex = 18;
constexpr double FractionalFrameRates[] = {0.5, 0.25, 0.125, 0.0625};

// 0 English, 1 Chinese.
int interfaceLanguage()
{
    return apt::LanaguageManager::instance()->language();
}

// Drops what a plan cannot hold from a typed or pasted name: control
// characters (a pasted line break or tab) and halves of surrogate pairs.
class ChannelNameValidator final : public QValidator
{
public:
    explicit ChannelNameValidator(QObject *parent)
        : QValidator(parent)
    {
    }

    State validate(QString &input, int &position) const override
    {
        const QString kept = withoutPlanTextFaults(input);
        if (kept.size() != input.size()) {
            position = qMax(0, position - int(input.size() - kept.size()));
            input = kept;
        }
        return Acceptable;
    }
};

} // namespace

DeviceEditor::DeviceEditor(QWidget *parent)
    : QWidget(parent)
    , m_pDeviceInfoManager(new DeviceInfoManager(this))
    , m_pBitrateCalculator(std::make_unique<BitrateCalculator>())
    , m_pBitrateConfigLoader(std::make_unique<BitrateConfigLoader>())
    , ui(new Ui_DeviceEditor)
    , m_openWidth(ConstructedWidth)
{
    ui->setupUi(this);
    // The narrow strip stands in for the form only while collapsed.
    ui->verticalFrame->hide();

    initForm();

    connect(ui->m_btnAddDevice, &QPushButton::clicked, this, &DeviceEditor::OnBtnAddDeviceClicked);
    // Return in a field of the editor adds the group, as "+ Add" does; in
    // the group dialog, where "+ Add" is hidden, Return is the dialog's.
    for (QLineEdit *field : {static_cast<QLineEdit *>(ui->m_lineEditChannelName),
                             static_cast<QLineEdit *>(ui->m_lineEditChannelCounts),
                             static_cast<QLineEdit *>(ui->m_lineEditScenceRecommandRate)}) {
        connect(field, &QLineEdit::returnPressed, this, [this] {
            if (ui->m_btnAddDevice->isVisibleTo(this))
                ui->m_btnAddDevice->click();
        });
    }
    connect(ui->m_radioButtonFixedRate, &QRadioButton::clicked, this, &DeviceEditor::OnRateSelected);
    connect(ui->m_radioButtonVarRate, &QRadioButton::clicked, this, &DeviceEditor::OnRateSelected);
    connect(ui->m_comboBoxDeviceType, &QComboBox::currentIndexChanged,
            this, &DeviceEditor::OnDeviceTypeChanged);
    // initForm already attached the resolution list; a second connection
    // would compute every rate twice.
    connect(ui->m_comboBoxResolution, &QComboBox::currentIndexChanged,
            this, &DeviceEditor::OnResolutionChanged, Qt::UniqueConnection);
    connect(ui->m_comboxFrameRate, &QComboBox::currentIndexChanged,
            this, &DeviceEditor::OnFixedRateFrameRateChanged);
    connect(ui->m_comboxEncodingType, &QComboBox::currentIndexChanged,
            this, &DeviceEditor::OnEncodingTypeChanged, Qt::UniqueConnection);
    connect(ui->m_scenceSelector, &ScenceSelector::signalScenceChanged,
            this, &DeviceEditor::OnScenceChanged);
    connect(ui->m_checkBoxSpread, &QCheckBox::toggled, this, &DeviceEditor::OnSpreadChanged);
    ui->m_checkBoxSpread->setAccessibleName(tr("Show or hide the device editor"));
    connect(ui->PalNtscSwitch, &aptui::Switch::signalON, this, &DeviceEditor::OnFrametareStandardPAL);
    connect(ui->PalNtscSwitch, &aptui::Switch::signalOFF, this, &DeviceEditor::OnFrametareStandardNTSC);

    setFixedWidth(openWidthAtTextSize());

    ui->m_lineEditScenceRecommandRate->setValidator(
        new OrvaneGUIToolkit::CIntValidator(0, MaxRate, this));
    ui->m_lineEditChannelCounts->setValidator(
        new OrvaneGUIToolkit::CIntValidator(0, MaxChannelCounts, this));
    ui->m_lineEditChannelName->setMaxLength(MaxChannelNameLength);
    ui->m_lineEditChannelName->setValidator(new ChannelNameValidator(this));
}

DeviceEditor::~DeviceEditor()
{
    delete ui;
}

void DeviceEditor::initForm()
{
    ui->m_lineEditChannelName->setText(tr("Channel Name"));
    ui->m_lineEditChannelCounts->setText(QStringLiteral("1"));

    ui->m_comboBoxDeviceType->addItems(m_pDeviceInfoManager->deviceTypeNames());
    ui->m_comboBoxDeviceType->setCurrentIndex(0);

    ui->m_radioButtonFixedRate->setChecked(true);

    QVector<SCENCE_ITEM> scences;
    const QVector<QString> names = m_pDeviceInfoManager->sceneNames();
    // The buttons show the names in the interface's language; the group
    // keeps the table's name (sceneName()).
    for (int i = 0; i < names.size(); ++i)
        scences.append(SCENCE_ITEM{i, SceneNames::displayName(names.at(i))});
    ui->m_scenceSelector->setScenceData(scences);
    if (scences.isEmpty())
        ui->m_radioButtonVarRate->hide();

    ui->PalNtscSwitch->setFixedSize(84, 24);
    ui->PalNtscSwitch->setOnText(tr("PAL"));
    ui->PalNtscSwitch->setOffText(tr("NTSC"));

    enterFixedRateMode();
    OnSetFrameByStandard(FramePAL);
    updateFixedRate();
}

bool DeviceEditor::isFixedRateMode() const
{
    return ui->m_radioButtonFixedRate->isChecked();
}

void DeviceEditor::refillList(QComboBox *list, ListSlot slot, const QStringList &items,
                              bool announceFilling)
{
    disconnect(list, &QComboBox::currentIndexChanged, this, slot);
    list->clear();
    if (announceFilling)
        connect(list, &QComboBox::currentIndexChanged, this, slot, Qt::UniqueConnection);
    list->addItems(items);
    if (!announceFilling)
        connect(list, &QComboBox::currentIndexChanged, this, slot, Qt::UniqueConnection);
}

// The list offers one of the two vendor variants of enhanced H.264 per
// interface language.
QStringList DeviceEditor::fixedRateEncodings() const
{
    QStringList encodings = m_pBitrateConfigLoader->encodings();
    encodings.sort();
    encodings.removeAll(interfaceLanguage() == 0 ? QStringLiteral("Smart H.264")
                                                 : QStringLiteral("H.264+"));
    return encodings;
}

void DeviceEditor::enterFixedRateMode()
{
    emit signalGetFrameStandard();

    ui->m_scenceSelector->hide();
    ui->m_labelFrameRate->show();
    ui->m_comboxFrameRate->show();
    ui->m_labelEncodeTypeLabel->show();
    ui->m_comboxEncodingType->show();
    ui->m_labelScenceRecommandRate->setText(tr("Recommend Rate :"));

    // Stays attached: the new encoding sets the calculator's encoding.
    ui->m_comboxEncodingType->clear();
    ui->m_comboxEncodingType->addItems(fixedRateEncodings());

    const int type = ui->m_comboBoxDeviceType->currentIndex() != 0 ? TableDVR : TableIPC;
    refillList(ui->m_comboBoxResolution, &DeviceEditor::OnResolutionChanged,
               m_pDeviceInfoManager->resolutions(type), true);
}

// Frames per second of the current frame-rate entry; 0 while the list has
// no current entry.
double DeviceEditor::currentFrameRate() const
{
    const int index = ui->m_comboxFrameRate->currentIndex();
    if (index < 0)
        return 0.0;
    const int fraction = index - FirstFractionalFrameIndex;
    if (fraction >= 0 && fraction < int(std::size(FractionalFrameRates)))
        return FractionalFrameRates[fraction];
    return ui->m_comboxFrameRate->currentText().toDouble();
}

void DeviceEditor::updateFixedRate()
{
    if (!isFixedRateMode())
        return;

    const int device = ui->m_comboBoxDeviceType->currentIndex() == 1 ? DeviceIndexDVR
                                                                     : DeviceIndexIPC;
    const double rate = m_pBitrateCalculator->bitrate(device, ui->m_comboBoxResolution->currentText(),
                                                      currentFrameRate());
    ui->m_lineEditScenceRecommandRate->setText(QString::number(static_cast<long long>(rate)));
}

void DeviceEditor::OnRateSelected()
{
    if (sender() == ui->m_radioButtonFixedRate) {
        enterFixedRateMode();
        updateFixedRate();
        return;
    }

    enterRecommendedMode();
    // Through the selector, so that the scene it highlights is the first
    // scene that its signal applies here.
    ui->m_scenceSelector->OnScenceSelected(0);
}

void DeviceEditor::enterRecommendedMode()
{
    ui->m_scenceSelector->show();
    ui->m_labelFrameRate->hide();
    ui->m_comboxFrameRate->hide();
    ui->m_labelEncodeTypeLabel->show();
    ui->m_comboxEncodingType->show();
}

QObject *DeviceEditor::getScenceSelector()
{
    return ui->m_scenceSelector;
}

void DeviceEditor::OnSpreadChanged(bool spread)
{
    ui->m_verticalWidgetAddBorder->setVisible(!spread);
    ui->verticalFrame->setVisible(spread);
    m_openWidth = ExpandedWidth;
    setFixedWidth(spread ? CollapsedWidth : openWidthAtTextSize());
}

// Larger text needs a wider editor, but the list beside it needs its room
// too: the open editor grows by half as much as the text.
int DeviceEditor::openWidthAtTextSize() const
{
    return m_openWidth + (aptui::scaledToText(m_openWidth) - m_openWidth) / 2;
}

void DeviceEditor::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The application's look was set again, perhaps with another text size.
    if (event->type() == QEvent::StyleChange && !ui->m_checkBoxSpread->isChecked()
        && width() != openWidthAtTextSize())
        setFixedWidth(openWidthAtTextSize());
}

void DeviceEditor::OnSetFrameByStandard(int standard)
{
    ui->m_comboxFrameRate->clear();
    ui->m_comboxFrameRate->addItems(m_pDeviceInfoManager->frameRates(standard));
    ui->m_comboxFrameRate->setCurrentIndex(1);
}

void DeviceEditor::OnFrametareStandardPAL()
{
    OnSetFrameByStandard(FramePAL);
    emit signalCurrentFrameStandard(FramePAL);
}

void DeviceEditor::OnFrametareStandardNTSC()
{
    OnSetFrameByStandard(FrameNTSC);
    emit signalCurrentFrameStandard(FrameNTSC);
}

void DeviceEditor::OnDeviceTypeChanged(int index)
{
    if (!isFixedRateMode())
        return;

    QStringList resolutions;
    if (index == 0)
        resolutions = m_pDeviceInfoManager->resolutions(TableIPC);
    else if (index == 1)
        resolutions = m_pDeviceInfoManager->resolutions(TableDVR);
    else
        return;

    refillList(ui->m_comboBoxResolution, &DeviceEditor::OnResolutionChanged, resolutions, true);
    updateFixedRate();
}

void DeviceEditor::OnResolutionChanged(int index)
{
    Q_UNUSED(index)
    if (isFixedRateMode())
        updateFixedRate();
    else
        updateScenceEncodings();
}

void DeviceEditor::OnFixedRateFrameRateChanged(int index)
{
    Q_UNUSED(index)
    updateFixedRate();
}

void DeviceEditor::OnEncodingTypeChanged(int index)
{
    Q_UNUSED(index)
    if (isFixedRateMode()) {
        m_pBitrateCalculator->setEncoding(ui->m_comboxEncodingType->currentText());
        updateFixedRate();
    } else {
        updateRecommendRate();
    }
}

void DeviceEditor::OnScenceChanged(int scenceType)
{
    const QString scene = m_pDeviceInfoManager->sceneName(scenceType);

    // Refill without the slots attached: every intermediate index would look
    // the rate up again.
    refillList(ui->m_comboBoxResolution, &DeviceEditor::OnResolutionChanged,
               m_pBitrateConfigLoader->sceneResolutions(scene), false);
    const QString resolution = ui->m_comboBoxResolution->currentText();
    refillList(ui->m_comboxEncodingType, &DeviceEditor::OnEncodingTypeChanged,
               m_pBitrateConfigLoader->sceneEncodings(scene, resolution), false);

    showScenceRate(scene, ui->m_comboxEncodingType->currentText(), resolution);
    m_iCurrentScenceType = scenceType;
}

void DeviceEditor::updateScenceEncodings()
{
    const QString scene = m_pDeviceInfoManager->sceneName(m_iCurrentScenceType);
    const QString resolution = ui->m_comboBoxResolution->currentText();
    refillList(ui->m_comboxEncodingType, &DeviceEditor::OnEncodingTypeChanged,
               m_pBitrateConfigLoader->sceneEncodings(scene, resolution), false);
    showScenceRate(scene, ui->m_comboxEncodingType->currentText(), resolution);
}

void DeviceEditor::updateRecommendRate()
{
    showScenceRate(m_pDeviceInfoManager->sceneName(m_iCurrentScenceType),
                   ui->m_comboxEncodingType->currentText(),
                   ui->m_comboBoxResolution->currentText());
}

void DeviceEditor::showScenceRate(const QString &scene, const QString &encoding,
                                  const QString &resolution)
{
    ui->m_scenceSelector->setScencePicture(
        m_pDeviceInfoManager->scenePicture(scene, encoding, resolution));
    ui->m_lineEditScenceRecommandRate->setText(QString::number(
        m_pDeviceInfoManager->sceneRecommendedBitrate(scene, encoding, resolution)));
}

QString DeviceEditor::formRefusal(bool editing) const
{
    // An empty count reads as 0: a group of no channels is a slip, not a site.
    if (OrvaneGUIToolkit::FieldInteger(ui->m_lineEditChannelCounts) < 1)
        return tr("Enter a channel count of at least 1.");
    // A scene combination missing from the scene table looks its rate up as
    // -1, which would lower the site's total.
    if (OrvaneGUIToolkit::FieldNumber(ui->m_lineEditScenceRecommandRate) < 0) {
        return editing ? tr("The rate of this group is unknown, so it was not saved. "
                            "After a scene import, restart the software first.")
                       : tr("The rate of this device is unknown, so it was not added. "
                            "After a scene import, restart the software first.");
    }
    if (isFixedRateMode() && ui->m_comboxFrameRate->currentText().isEmpty()) {
        return editing ? tr("There is no frame rate to choose (Frame.xml), so the group was not saved.")
                       : tr("There is no frame rate to choose (Frame.xml), so the device was not added.");
    }
    return {};
}

StructDeviceItem DeviceEditor::composedGroup(int number) const
{
    StructDeviceItem item;
    // Read as their validators accepted them: "2,048" is 2048, not 0.
    item.dBitrate = OrvaneGUIToolkit::FieldNumber(ui->m_lineEditScenceRecommandRate);
    item.iChannelCounts = OrvaneGUIToolkit::FieldInteger(ui->m_lineEditChannelCounts);
    item.strEncodeType = ui->m_comboxEncodingType->currentText();
    item.bReserved = false;
    item.iChannelGroupNumber = number;
    item.strChannelName = listedGroupName(ui->m_lineEditChannelName->text(), number);
    item.strReserved.clear();
    item.strResolution = ui->m_comboBoxResolution->currentText();
    if (ui->m_radioButtonVarRate->isChecked()) {
        item.strScenceName = m_pDeviceInfoManager->sceneName(m_iCurrentScenceType);
        item.strFrameRate.clear();
    } else {
        item.strScenceName.clear();
        item.strFrameRate = ui->m_comboxFrameRate->currentText();
    }
    item.strDeviceType = ui->m_comboBoxDeviceType->currentText();
    return item;
}

void DeviceEditor::OnBtnAddDeviceClicked()
{
    const QString refusal = formRefusal();
    if (!refusal.isEmpty()) {
        emit signalCover();
        aptui::execNotice(tr("Hint"), refusal);
        emit signalDisvocer();
        return;
    }

    const StructDeviceItem item = composedGroup(m_pDeviceInfoManager->allocateGroupNumber());
    if (!m_bAppStarted) {
        emit signalAppStart();
        m_bAppStarted = true;
    }
    emit signalAddDevice(item);
}

void DeviceEditor::OnDeleteChannelGroupNumber(int iChannelGroupNumber)
{
    m_pDeviceInfoManager->releaseGroupNumber(iChannelGroupNumber);
}

void DeviceEditor::setDeviceTypes(QVector<StructDeviceType> deviceTypes)
{
    ui->m_comboBoxDeviceType->clear();
    for (const StructDeviceType &type : std::as_const(deviceTypes))
        ui->m_comboBoxDeviceType->addItem(type.strTypeName, type.iTypeId);
}

void DeviceEditor::setDeviceResolutions(QMap<int, QString> resolutions)
{
    ui->m_comboBoxResolution->clear();
    for (auto it = resolutions.cbegin(); it != resolutions.cend(); ++it)
        ui->m_comboBoxResolution->addItem(it.value(), it.key());
}

void DeviceEditor::setScenceRecommandRateText(QString rate)
{
    ui->m_lineEditScenceRecommandRate->setText(rate);
}

int DeviceEditor::frameStandard() const
{
    return ui->PalNtscSwitch->isOn() ? FramePAL : FrameNTSC;
}

void DeviceEditor::setFrameStandard(int standard)
{
    {
        const QSignalBlocker blocker(ui->PalNtscSwitch);
        ui->PalNtscSwitch->setSwitch(standard == FramePAL);
    }
    OnSetFrameByStandard(standard);
}

void DeviceEditor::setFrameStandardEnabled(bool enabled)
{
    ui->PalNtscSwitch->setEnabled(enabled);
    ui->PalNtscSwitch->setToolTip(enabled ? QString() : tr("Choose \"All\" to switch the frame standard of the site."));
}

QStringList DeviceEditor::frameRates(int standard) const
{
    return m_pDeviceInfoManager->frameRates(standard);
}

void DeviceEditor::holdGroupNumbers(const QVector<int> &numbers)
{
    m_pDeviceInfoManager->holdGroupNumbers(numbers);
}

void DeviceEditor::focusFirstField()
{
    ui->m_lineEditChannelName->setFocus(Qt::OtherFocusReason);
}

void DeviceEditor::setEditMode()
{
    for (QWidget *widget : {static_cast<QWidget *>(ui->m_label_AddDevice),
                            static_cast<QWidget *>(ui->PalNtscSwitch),
                            static_cast<QWidget *>(ui->m_btnAddDevice),
                            static_cast<QWidget *>(ui->m_checkBoxSpread),
                            static_cast<QWidget *>(ui->verticalFrame)})
        widget->hide();
}

namespace {

// Makes `text` the list's current item; a text the tables no longer offer
// (a plan from other tables) joins the list, so that the group keeps it.
void chooseOrKeep(QComboBox *list, const QString &text)
{
    int index = list->findText(text);
    if (index < 0 && !text.isEmpty()) {
        list->addItem(text);
        index = list->count() - 1;
    }
    if (index >= 0)
        list->setCurrentIndex(index);
}

} // namespace

void DeviceEditor::showGroup(const StructDeviceItem &item, int frameStandard)
{
    setFrameStandard(frameStandard);
    const QString name = typedGroupName(item.strChannelName, item.iChannelGroupNumber);
    // A plan may hold a longer name than the field lets a person type.
    ui->m_lineEditChannelName->setMaxLength(qMax(MaxChannelNameLength, int(name.size())));
    ui->m_lineEditChannelName->setText(name);
    ui->m_lineEditChannelCounts->setText(QString::number(item.iChannelCounts));
    ui->m_comboBoxDeviceType->setCurrentIndex(
        DeviceInfoManager::deviceTypeIndex(item.strDeviceType) == DeviceIndexDVR ? 1 : 0);

    if (item.strScenceName.isEmpty()) {
        ui->m_radioButtonFixedRate->setChecked(true);
        enterFixedRateMode();
        chooseOrKeep(ui->m_comboBoxResolution, item.strResolution);
        chooseOrKeep(ui->m_comboxFrameRate, item.strFrameRate);
        chooseOrKeep(ui->m_comboxEncodingType, item.strEncodeType);
    } else if (!ui->m_radioButtonVarRate->isHidden()) {
        ui->m_radioButtonVarRate->setChecked(true);
        enterRecommendedMode();
        const int scene = m_pDeviceInfoManager->sceneNames().indexOf(item.strScenceName);
        ui->m_scenceSelector->OnScenceSelected(qMax(0, scene));
        chooseOrKeep(ui->m_comboBoxResolution, item.strResolution);
        chooseOrKeep(ui->m_comboxEncodingType, item.strEncodeType);
    }
    // The listed rate is the agreed one, whatever the tables say now.
    m_shownGroup = item;
    m_shownRateText = QString::number(item.dBitrate);
    ui->m_lineEditScenceRecommandRate->setText(m_shownRateText);
}

StructDeviceItem DeviceEditor::editedGroup() const
{
    StructDeviceItem item = composedGroup(m_shownGroup.iChannelGroupNumber);
    item.uGroupId = m_shownGroup.uGroupId;
    item.recording = m_shownGroup.recording;
    item.uRecorderId = m_shownGroup.uRecorderId;
    // The field shows what it can of a rate with decimals; untouched, the
    // rate stays the listed one to the last digit.
    if (ui->m_lineEditScenceRecommandRate->text() == m_shownRateText)
        item.dBitrate = m_shownGroup.dBitrate;
    return item;
}

QStringList DeviceEditor::typeResolutions() const
{
    return m_pDeviceInfoManager->resolutions(ui->m_comboBoxDeviceType->currentIndex() == 1 ? TableDVR
                                                                                           : TableIPC);
}

double DeviceEditor::tableRate(const QString &resolution) const
{
    const int device = ui->m_comboBoxDeviceType->currentIndex() == 1 ? DeviceIndexDVR : DeviceIndexIPC;
    double frameRate = 0.0;
    if (isFixedRateMode()) {
        frameRate = currentFrameRate();
    } else {
        // The entry a fixed rate starts from under the standard.
        frameRate = m_pDeviceInfoManager->frameRates(frameStandard()).value(1).toDouble();
    }
    // The fixed rate's own encoding already; the recommended rate does not
    // use the calculator, and entering the fixed rate sets it anew.
    m_pBitrateCalculator->setEncoding(ui->m_comboxEncodingType->currentText());
    return m_pBitrateCalculator->bitrate(device, resolution, frameRate);
}
