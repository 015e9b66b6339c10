#include "calc/datacalculatorpage.h"

#include "calc/capacityinputs.h"
#include "calc/datadisplaypage.h"
#include "calc/sizedisplaypage.h"
#include "calc/diskarraydialog.h"
#include "data/bitratecalculator.h"
#include "data/siteplan.h"
#include "platform/cintvalidator.h"
#include "platform/fieldvalue.h"
#include "platform/guiinit.h"

#include "ui_datacalculatorpage.h"

#include <QCheckBox>
#include <QIcon>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QValidator>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kTimePage = 0;
constexpr int kSizePage = 1;
constexpr int kSwitchIconSide = 24;
int hoursOf(const QSpinBox *spinBox)
{
    return spinBox->text().toInt(nullptr, 10);
}

// The total of the tables' rates, summed as the device list sums it.
double tableTotal(const QVector<RetentionGroup> &groups)
{
    double total = 0.0;
    for (const RetentionGroup &group : groups)
        total += group.channels * group.kbps;
    return total;
}


// The longest text the disk-size field takes: "+50,000.000".
constexpr int kDiskSizeLength = 11;

QString calculatorImage(const char *name)
{
    return QStringLiteral(":/CommonSkin/Larkspan/Images/Larkspan/CalculatorPage/")
           + QLatin1String(name);
}

} // namespace

// The disk-size field's rule, in the unit chosen beside it.
class DiskSizeValidator final : public QValidator
{
public:
    explicit DiskSizeValidator(QObject *parent)
        : QValidator(parent)
    {
    }

    void setUnit(DiskUnit unit) { m_unit = unit; }
    DiskSizeReading read(const QString &text) const { return readDiskSize(text, m_unit, locale()); }

    State validate(QString &input, int &) const override
    {
        switch (read(input).state) {
        case DiskSizeTextState::Invalid:
            return Invalid;
        case DiskSizeTextState::Intermediate:
            return Intermediate;
        case DiskSizeTextState::Acceptable:
            break;
        }
        return Acceptable;
    }

private:
    DiskUnit m_unit = DiskUnit::TB;
};

DataCalculatorPage::DataCalculatorPage(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DataCalculatorPage>())
    , m_pBitrateCalculator(std::make_unique<BitrateCalculator>())
{
    ui->setupUi(this);

    // The sliders and the hours beside them are one input; the label names the hours.
    ui->m_horizontalSliderTime->setAccessibleName(tr("Recording hours per day"));
    ui->m_hSliderDailyTime->setAccessibleName(tr("Recording hours per day"));
    ui->m_lineEditGT->setText(QStringLiteral("4"));
    ui->m_radioBtnTB->setChecked(true);
    ui->m_spinBoxTime->setValue(24);
    ui->m_horizontalSliderTime->setValue(24);
    ui->m_radioBtnWeek->setChecked(true);
    ui->m_lineEditSaveTime->setText(QStringLiteral("1"));
    ui->m_hSliderDailyTime->setValue(24);
    ui->m_spinBoxDailyTime->setValue(24);
    ui->m_topTabBar->setFixedHeight(35);
    setSwitchIcons(true);
    ui->m_topTabBar->setOnText(tr("Calculate Time"));
    ui->m_topTabBar->setOffText(tr("Calculate Size"));

    // The inputs above are set before anything is connected, so building the
    // page computes nothing: the result pages keep their first texts until a
    // total bitrate arrives or the user edits an input.
    connect(ui->m_tabWidgetSections, &QStackedWidget::currentChanged,
            this, &DataCalculatorPage::OnCalculateTypeSelectedChanged);

    // Each pair stays in step; the loop stops because setValue with an
    // unchanged value emits nothing.
    connect(ui->m_horizontalSliderTime, &QSlider::valueChanged,
            ui->m_spinBoxTime, &QSpinBox::setValue);
    connect(ui->m_hSliderDailyTime, &QSlider::valueChanged,
            ui->m_spinBoxDailyTime, &QSpinBox::setValue);
    connect(ui->m_spinBoxTime, &QSpinBox::valueChanged,
            ui->m_horizontalSliderTime, &QSlider::setValue);
    connect(ui->m_spinBoxDailyTime, &QSpinBox::valueChanged,
            ui->m_hSliderDailyTime, &QSlider::setValue);

    // Before the calculation: a TB figure with decimals becomes a whole GB
    // one before either button's toggled computes with it.
    connect(ui->m_radioBtnTB, &QRadioButton::toggled, this, &DataCalculatorPage::onDiskUnitToggled);
    connect(ui->m_lineEditGT, &QLineEdit::textChanged, this, &DataCalculatorPage::markDiskSize);

    connect(ui->m_lineEditGT, &QLineEdit::textChanged,
            this, &DataCalculatorPage::OnCalculateTimeDataChanged, Qt::DirectConnection);
    connect(ui->m_radioBtnTB, &QRadioButton::toggled,
            this, &DataCalculatorPage::OnCalculateTimeDataChanged, Qt::DirectConnection);
    connect(ui->m_radioBtnGB, &QRadioButton::toggled,
            this, &DataCalculatorPage::OnCalculateTimeDataChanged, Qt::DirectConnection);
    connect(ui->m_spinBoxTime, &QSpinBox::valueChanged,
            this, &DataCalculatorPage::OnCalculateTimeDataChanged, Qt::DirectConnection);

    connect(ui->m_lineEditSaveTime, &QLineEdit::textChanged,
            this, &DataCalculatorPage::OnCalculateDiskSizeDataChanged, Qt::DirectConnection);
    connect(ui->m_radioBtnDay, &QRadioButton::toggled,
            this, &DataCalculatorPage::OnCalculateDiskSizeDataChanged, Qt::DirectConnection);
    connect(ui->m_radioBtnWeek, &QRadioButton::toggled,
            this, &DataCalculatorPage::OnCalculateDiskSizeDataChanged, Qt::DirectConnection);
    connect(ui->m_radioMonth, &QRadioButton::toggled,
            this, &DataCalculatorPage::OnCalculateDiskSizeDataChanged, Qt::DirectConnection);
    connect(ui->m_spinBoxDailyTime, &QSpinBox::valueChanged,
            this, &DataCalculatorPage::OnCalculateDiskSizeDataChanged, Qt::DirectConnection);

    connect(ui->m_topTabBar, &aptui::Switch::signalSwitch,
            this, &DataCalculatorPage::OnSwitchBarChanged);

    for (QLineEdit *edit : {ui->m_lineEditGT, ui->m_lineEditSaveTime})
        connect(edit, &QLineEdit::textChanged, this, &DataCalculatorPage::signalInputsChanged);
    for (QRadioButton *radio : {ui->m_radioBtnTB, ui->m_radioBtnDay, ui->m_radioBtnWeek})
        connect(radio, &QRadioButton::toggled, this, &DataCalculatorPage::signalInputsChanged);
    for (QSpinBox *spinBox : {ui->m_spinBoxTime, ui->m_spinBoxDailyTime})
        connect(spinBox, &QSpinBox::valueChanged, this, &DataCalculatorPage::signalInputsChanged);
    connect(ui->m_topTabBar, &aptui::Switch::signalSwitch, this, &DataCalculatorPage::signalInputsChanged);
    connect(ui->m_checkBoxGuaranteed, &QCheckBox::toggled, this, &DataCalculatorPage::onGuaranteedToggled);

    connect(ui->m_btnDiskArray, &QPushButton::clicked, this, &DataCalculatorPage::onDiskArrayClicked);
    connect(ui->m_btnDrivesNeeded, &QPushButton::clicked,
            this, &DataCalculatorPage::onDrivesNeededClicked);
    // The line keeps its room while there is no count, so that the page does
    // not move under the user.
    QSizePolicy linePolicy = ui->m_btnDrivesNeeded->sizePolicy();
    linePolicy.setRetainSizeWhenHidden(true);
    ui->m_btnDrivesNeeded->setSizePolicy(linePolicy);
    ui->m_btnDrivesNeeded->setText(QStringLiteral("\n"));
    ui->m_btnDrivesNeeded->hide();

    m_diskSizeValidator = new DiskSizeValidator(this);
    // The interface language's decimal separator, whatever the system's.
    m_diskSizeValidator->setLocale(OrvaneGUIToolkit::GuiLocale());
    ui->m_lineEditGT->setValidator(m_diskSizeValidator);
    ui->m_lineEditGT->setMaxLength(kDiskSizeLength);
    ui->m_lineEditSaveTime->setValidator(
        new OrvaneGUIToolkit::CIntValidator(0, CalculationLimits::MaxSaveTime, this));
    for (QSpinBox *hours : {ui->m_spinBoxTime, ui->m_spinBoxDailyTime})
        hours->setMaximum(CalculationLimits::MaxHoursPerDay);
    // The inputs start as a new plan's, which the plan's records define.
    setInputs(PlanCalculation());
}

DataCalculatorPage::~DataCalculatorPage() = default;

void DataCalculatorPage::setDiskFromArrayOnly(bool only)
{
    ui->m_lineEditGT->setReadOnly(only);
    ui->m_radioBtnTB->setEnabled(!only);
    ui->m_radioBtnGB->setEnabled(!only);
    ui->m_lineEditGT->setToolTip(only ? tr("A recorder's disk is its drives: set them with \"Disk array...\".")
                                      : QString());
}

PlanCalculation DataCalculatorPage::inputs() const
{
    PlanCalculation inputs;
    inputs.diskSize = diskSize();
    inputs.diskUnit = diskUnit();
    inputs.timeHoursPerDay = hoursOf(ui->m_spinBoxTime);
    inputs.saveTime = OrvaneGUIToolkit::FieldInteger(ui->m_lineEditSaveTime);
    inputs.saveUnit = ui->m_radioBtnDay->isChecked()    ? PeriodUnit::Day
                      : ui->m_radioBtnWeek->isChecked() ? PeriodUnit::Week
                                                        : PeriodUnit::Month;
    inputs.sizeHoursPerDay = hoursOf(ui->m_spinBoxDailyTime);
    inputs.sizeShown = isSizePageShown();
    inputs.diskArray = m_diskArray;
    inputs.guaranteedRetention = ui->m_checkBoxGuaranteed->isChecked();
    return inputs;
}

void DataCalculatorPage::setInputs(const PlanCalculation &inputs)
{
    // First: recomputing the size below shows the drives for this array.
    setDiskArray(inputs.diskArray);
    ui->m_lineEditGT->setText(diskSizeFieldText(inputs.diskSize, m_diskSizeValidator->locale()));
    (inputs.diskUnit == DiskUnit::TB ? ui->m_radioBtnTB : ui->m_radioBtnGB)->setChecked(true);
    ui->m_spinBoxTime->setValue(inputs.timeHoursPerDay);
    ui->m_lineEditSaveTime->setText(QString::number(inputs.saveTime));
    QRadioButton *saveUnit = inputs.saveUnit == PeriodUnit::Day    ? ui->m_radioBtnDay
                             : inputs.saveUnit == PeriodUnit::Week ? ui->m_radioBtnWeek
                                                                   : ui->m_radioMonth;
    saveUnit->setChecked(true);
    ui->m_spinBoxDailyTime->setValue(inputs.sizeHoursPerDay);
    ui->m_checkBoxGuaranteed->setChecked(inputs.guaranteedRetention);
    // The switch shows and recomputes the other page when it changes; the
    // page already shown is recomputed here, as its inputs may not have moved.
    if (inputs.sizeShown == isSizePageShown())
        OnCalculateTypeSelectedChanged(ui->m_tabWidgetSections->currentIndex());
    ui->m_topTabBar->setSwitch(!inputs.sizeShown);
}

QObject *DataCalculatorPage::getDataDisplayPageSize() const
{
    return ui->m_displayPageSize;
}

QObject *DataCalculatorPage::getDataDisplayPageTime() const
{
    return ui->m_displayPageTime;
}

void DataCalculatorPage::OnDeviceChanged(double dTotalBitrate)
{
    m_dTotalBitrate = dTotalBitrate;
    // Equal totals are summed alike, so only a change of groups tells them apart.
    if (m_hasGroups && std::abs(tableTotal(m_groups) - dTotalBitrate) > 1e-9 * std::max(1.0, dTotalBitrate))
        m_hasGroups = false;
    // Only the shown calculation is redone; the hidden page keeps its texts
    // until it is shown again.
    if (isSizePageShown())
        OnCalculateDiskSizeDataChanged();
    else
        OnCalculateTimeDataChanged();
}

void DataCalculatorPage::setGroups(const QVector<RetentionGroup> &groups)
{
    m_groups = groups;
    m_hasGroups = true;
    m_dTotalBitrate = tableTotal(groups);
    if (isSizePageShown())
        OnCalculateDiskSizeDataChanged();
    else
        OnCalculateTimeDataChanged();
}

void DataCalculatorPage::OnSwitchBarChanged(bool state)
{
    // Changing the page recomputes it through currentChanged.
    ui->m_tabWidgetSections->setCurrentIndex(state ? kTimePage : kSizePage);
    setSwitchIcons(state);
}

void DataCalculatorPage::OnCalculateTypeSelectedChanged(int index)
{
    if (index == kTimePage)
        OnCalculateTimeDataChanged();
    else if (index == kSizePage)
        OnCalculateDiskSizeDataChanged();
}

void DataCalculatorPage::OnCalculateTimeDataChanged()
{
    const RecordTimeText time =
        m_hasGroups ? recordTimeResult(m_groups, diskSize(), diskUnit(), hoursOf(ui->m_spinBoxTime))
                    : recordTimeResult(m_dTotalBitrate, diskSize(), diskUnit(), hoursOf(ui->m_spinBoxTime));
    emit setTime(time.day, time.week, time.month);
    showRanges();
}

void DataCalculatorPage::OnCalculateDiskSizeDataChanged()
{
    const DiskSizeText size = currentSizeResult();
    emit setDiskSize(size.size, size.unit);
    showDrivesNeeded(size);
    showRanges();
}

void DataCalculatorPage::onGuaranteedToggled()
{
    if (isSizePageShown())
        OnCalculateDiskSizeDataChanged();
    emit signalInputsChanged();
}

void DataCalculatorPage::showRanges()
{
    QString days;
    QString size;
    if (m_hasGroups && !m_groups.isEmpty()) {
        const PlanRetention figures = planRetention(m_groups, inputs());
        if (figures.diskDays.keepsOthers)
            days = RetentionText::days(figures.diskDays.days);
        size = RetentionText::size(figures.neededGB);
    }
    ui->m_displayPageTime->displayRange(days);
    ui->m_displayPageSize->displayRange(size);
}

void DataCalculatorPage::onDiskArrayClicked()
{
    DiskArrayDialog dialog(m_diskArray, DiskArrayDialog::ForDiskSize, 0, this);
    if (!runDialog(dialog))
        return;
    const DiskArraySetup array = dialog.setup();
    setDiskArray(array);
    const DiskSizeEntry entry = diskSizeEntry(diskArrayCapacity(array).usableCentiGB);
    (entry.unit == DiskUnit::TB ? ui->m_radioBtnTB : ui->m_radioBtnGB)->setChecked(true);
    ui->m_lineEditGT->setText(diskSizeFieldText(entry.size, m_diskSizeValidator->locale()));
}

void DataCalculatorPage::onDiskUnitToggled()
{
    const DiskUnit unit = diskUnit();
    const QString text = ui->m_lineEditGT->text();
    // The buttons say which unit the typed figure is in, so the figure
    // stays; a GB figure is whole, so a TB figure's decimals are rounded
    // off (7.5 TB becomes 8 GB). Quietly: the buttons' toggled computes.
    const DiskSizeReading asTB = readDiskSize(text, DiskUnit::TB, m_diskSizeValidator->locale());
    m_diskSizeValidator->setUnit(unit);
    if (unit == DiskUnit::GB && asTB.state == DiskSizeTextState::Acceptable
        && m_diskSizeValidator->read(text).state != DiskSizeTextState::Acceptable) {
        const QSignalBlocker blocker(ui->m_lineEditGT);
        ui->m_lineEditGT->setText(
            diskSizeFieldText(fieldDiskSize(asTB.size, DiskUnit::GB), m_diskSizeValidator->locale()));
    }
    markDiskSize();
}

void DataCalculatorPage::markDiskSize()
{
    // A figure that is no size yet reads as 0: the outline says why the
    // result is 0. An empty field needs no saying.
    QLineEdit *field = ui->m_lineEditGT;
    const bool refused = !field->text().isEmpty()
                         && m_diskSizeValidator->read(field->text()).state != DiskSizeTextState::Acceptable;
    if (field->property("refused").toBool() == refused)
        return;
    field->setProperty("refused", refused);
    field->style()->unpolish(field);
    field->style()->polish(field);
}

DiskUnit DataCalculatorPage::diskUnit() const
{
    return ui->m_radioBtnTB->isChecked() ? DiskUnit::TB : DiskUnit::GB;
}

double DataCalculatorPage::diskSize() const
{
    return m_diskSizeValidator->read(ui->m_lineEditGT->text()).size;
}

void DataCalculatorPage::onDrivesNeededClicked()
{
    DiskArrayDialog dialog(m_diskArray, DiskArrayDialog::ForDrivesNeeded,
                           currentSizeResult().gigabytes, this);
    if (!runDialog(dialog))
        return;
    // The count stays the one last used for the disk size: here it was the answer.
    DiskArraySetup array = dialog.setup();
    array.drives = m_diskArray.drives;
    setDiskArray(array);
    showDrivesNeeded(currentSizeResult());
}

bool DataCalculatorPage::runDialog(QDialog &dialog)
{
    emit signalCover();
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    emit signalDiscover();
    return confirmed;
}

void DataCalculatorPage::setDiskArray(const DiskArraySetup &array)
{
    if (array == m_diskArray)
        return;
    m_diskArray = array;
    emit signalInputsChanged();
}

void DataCalculatorPage::showDrivesNeeded(const DiskSizeText &size)
{
    QPushButton *line = ui->m_btnDrivesNeeded;
    if (size.moreThan || size.gigabytes <= 0) {
        line->hide();
        return;
    }
    const DiskArrayText::Line text =
        DiskArrayText::drivesNeeded(drivesNeeded(size.gigabytes, m_diskArray), size.gigabytes);
    line->setText(text.head + QLatin1Char('\n') + text.tail);
    line->show();
}

DiskSizeText DataCalculatorPage::currentSizeResult() const
{
    const PlanCalculation now = inputs();
    if (m_hasGroups) {
        return diskSizeResult(m_groups, now.saveTime, now.saveUnit, now.sizeHoursPerDay,
                              now.guaranteedRetention);
    }
    return diskSizeResult(m_dTotalBitrate, now.saveTime, now.saveUnit, now.sizeHoursPerDay);
}

bool DataCalculatorPage::isSizePageShown() const
{
    return ui->m_tabWidgetSections->currentIndex() == kSizePage;
}

void DataCalculatorPage::setSwitchIcons(bool timeSelected)
{
    ui->m_topTabBar->setOnIcon(QIcon(calculatorImage(timeSelected ? "timecal_sel.png" : "timecal.png")),
                               kSwitchIconSide);
    ui->m_topTabBar->setOffIcon(QIcon(calculatorImage(timeSelected ? "diskspace.png" : "diskspace_sel.png")),
                                kSwitchIconSide);
}
