#include "device/groupeditdialog.h"

#include "aptui/label.h"
#include "device/deviceeditor.h"
#include "platform/fieldvalue.h"

#include "ui_grouprecording.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

namespace {

constexpr int kDialogWidth = 790;
constexpr int kDialogHeight = 660;

const RecordingMode kModes[] = {RecordingMode::Continuous, RecordingMode::Events, RecordingMode::DualStream};
const RateControl kControls[] = {RateControl::Variable, RateControl::Constant};
const NightScene kNights[] = {NightScene::NotSet, NightScene::Lit, NightScene::Infrared};

void choose(QComboBox *list, int value)
{
    list->setCurrentIndex(qMax(0, list->findData(value)));
}

// Days as a field shows them: empty for 0 (the site's period, or as long as
// the main stream).
QString daysText(int days)
{
    return days > 0 ? QString::number(days) : QString();
}

} // namespace

GroupEditDialog::GroupEditDialog(const StructDeviceItem &group, int frameStandard, QWidget *parent)
    : aptui::BaseDialog(false, false, false, false, true, true, true, parent)
    , ui(std::make_unique<Ui::GroupRecording>())
{
    setTitle(tr("Edit Group"));
    setObjectName(QStringLiteral("GroupEditDialog"));
    auto *content = new QWidget;
    // Made inside its container: made elsewhere, it would be styled twice.
    m_pEditor = new DeviceEditor(content);
    auto *layout = new QHBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_pEditor->setEditMode();
    layout->addWidget(m_pEditor);
    auto *recordingForm = new QWidget;
    ui->setupUi(recordingForm);
    layout->addWidget(recordingForm, 1);
    // The content area takes ownership of the widget.
    setContentWidget(content);
    aptui::nameFieldsByTheirLabels(content);
    setDialogFixedSize(kDialogWidth, kDialogHeight);
    setConfirmButtonText(tr("Save"));
    setCancelButtonText(tr("Cancel"));

    ui->m_comboBoxRecordingMode->addItem(tr("Continuous"), int(RecordingMode::Continuous));
    ui->m_comboBoxRecordingMode->addItem(tr("Events"), int(RecordingMode::Events));
    ui->m_comboBoxRecordingMode->addItem(tr("Dual stream"), int(RecordingMode::DualStream));
    ui->m_comboBoxRateControl->addItem(tr("Variable"), int(RateControl::Variable));
    ui->m_comboBoxRateControl->addItem(tr("Constant"), int(RateControl::Constant));
    ui->m_comboBoxNight->addItem(tr("Not set"), int(NightScene::NotSet));
    ui->m_comboBoxNight->addItem(tr("Lit"), int(NightScene::Lit));
    ui->m_comboBoxNight->addItem(tr("Infrared"), int(NightScene::Infrared));
    ui->m_spinBoxEventPercent->setRange(RecordingLimits::MinEventPercent, RecordingLimits::MaxEventPercent);
    // Whole numbers only; what lies beyond the limits is refused with the
    // reason on Save, rather than swallowed while typing.
    const QRegularExpression days(QStringLiteral("[1-9][0-9]{0,2}"));
    ui->m_lineEditRetention->setValidator(new QRegularExpressionValidator(days, this));
    ui->m_lineEditSubRetention->setValidator(new QRegularExpressionValidator(days, this));
    ui->m_lineEditSubRate->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), this));
    ui->m_lineEditRetention->setPlaceholderText(tr("Site's period"));
    ui->m_lineEditSubRetention->setPlaceholderText(tr("As the main stream"));

    m_pEditor->showGroup(group, frameStandard);
    showRecording(group.recording);
    m_recorder = group.uRecorderId;
    setRecorders({});

    connect(ui->m_comboBoxRecordingMode, &QComboBox::currentIndexChanged,
            this, &GroupEditDialog::onModeChanged);
    connect(ui->m_comboBoxSubResolution, &QComboBox::currentIndexChanged,
            this, &GroupEditDialog::onSubResolutionChanged);
    // Another device type has its own table and resolutions.
    if (auto *type = m_pEditor->findChild<QComboBox *>(QStringLiteral("m_comboBoxDeviceType")))
        connect(type, &QComboBox::currentIndexChanged, this, &GroupEditDialog::onDeviceTypeChanged);

    // Save checks first and keeps the dialog open on a refusal; Return in a
    // field means Save.
    setEnableDefaultConnections(true, true, true, false, true);
    connect(this, &aptui::BaseDialog::signalConfirmButtonClicked, this, &GroupEditDialog::onSave);
    if (auto *save = findChild<QPushButton *>(QStringLiteral("btnConfirm")))
        save->setDefault(true);
    if (auto *name = m_pEditor->findChild<QLineEdit *>(QStringLiteral("m_lineEditChannelName")))
        name->setFocus(Qt::OtherFocusReason);
}

GroupEditDialog::~GroupEditDialog() = default;

void GroupEditDialog::setRecorders(const QVector<RecorderChoice> &recorders)
{
    QComboBox *list = ui->m_comboBoxRecorder;
    list->clear();
    for (const RecorderChoice &recorder : recorders)
        list->addItem(recorder.name, recorder.id);
    list->setCurrentIndex(qMax(0, list->findData(m_recorder)));
    ui->m_labelRecorder->setVisible(!recorders.isEmpty());
    list->setVisible(!recorders.isEmpty());
}

void GroupEditDialog::showRecording(const GroupRecording &recording)
{
    choose(ui->m_comboBoxRecordingMode, int(recording.mode));
    ui->m_spinBoxEventPercent->setValue(recording.eventPercent);
    ui->m_comboBoxSubResolution->addItems(m_pEditor->typeResolutions());
    if (!recording.subStreamResolution.isEmpty()) {
        // A sub-stream the tables no longer list stays the group's.
        if (ui->m_comboBoxSubResolution->findText(recording.subStreamResolution) < 0)
            ui->m_comboBoxSubResolution->addItem(recording.subStreamResolution);
        ui->m_comboBoxSubResolution->setCurrentText(recording.subStreamResolution);
    }
    // As agreed, decimals included: the field takes whole kbps when typed.
    ui->m_lineEditSubRate->setText(recording.subStreamKbps > 0 ? QString::number(recording.subStreamKbps)
                                                               : QString());
    ui->m_lineEditSubRetention->setText(daysText(recording.subStreamRetentionDays));
    choose(ui->m_comboBoxRateControl, int(recording.control));
    ui->m_lineEditRetention->setText(daysText(recording.retentionDays));
    choose(ui->m_comboBoxNight, int(recording.night));
    onModeChanged();
}

void GroupEditDialog::onModeChanged()
{
    const auto mode = RecordingMode(ui->m_comboBoxRecordingMode->currentData().toInt());
    ui->m_spinBoxEventPercent->setEnabled(mode != RecordingMode::Continuous);
    const bool dual = mode == RecordingMode::DualStream;
    for (QWidget *widget : {static_cast<QWidget *>(ui->m_labelSubResolution),
                            static_cast<QWidget *>(ui->m_comboBoxSubResolution),
                            static_cast<QWidget *>(ui->m_labelSubRate),
                            static_cast<QWidget *>(ui->m_lineEditSubRate),
                            static_cast<QWidget *>(ui->m_labelSubRetention),
                            static_cast<QWidget *>(ui->m_lineEditSubRetention)})
        widget->setVisible(dual);
    if (dual && ui->m_lineEditSubRate->text().isEmpty())
        onSubResolutionChanged();
}

void GroupEditDialog::onSubResolutionChanged()
{
    // The table's rate for the sub-stream at the group's frame rate and
    // encoding; a typed rate is kept until another resolution is chosen.
    const double kbps = m_pEditor->tableRate(ui->m_comboBoxSubResolution->currentText());
    ui->m_lineEditSubRate->setText(kbps > 0 ? QString::number(static_cast<long long>(kbps)) : QString());
}

void GroupEditDialog::onDeviceTypeChanged()
{
    QComboBox *list = ui->m_comboBoxSubResolution;
    const QString chosen = list->currentText();
    {
        const QSignalBlocker blocker(list);
        list->clear();
        list->addItems(m_pEditor->typeResolutions());
        list->setCurrentIndex(qMax(0, list->findText(chosen)));
    }
    if (RecordingMode(ui->m_comboBoxRecordingMode->currentData().toInt()) == RecordingMode::DualStream)
        onSubResolutionChanged();
}

GroupRecording GroupEditDialog::recording() const
{
    GroupRecording recording;
    recording.mode = RecordingMode(ui->m_comboBoxRecordingMode->currentData().toInt());
    recording.eventPercent = ui->m_spinBoxEventPercent->value();
    recording.subStreamResolution = ui->m_comboBoxSubResolution->currentText();
    recording.subStreamKbps = ui->m_lineEditSubRate->text().toDouble();
    recording.subStreamRetentionDays = ui->m_lineEditSubRetention->text().toInt();
    recording.control = RateControl(ui->m_comboBoxRateControl->currentData().toInt());
    recording.retentionDays = ui->m_lineEditRetention->text().toInt();
    recording.night = NightScene(ui->m_comboBoxNight->currentData().toInt());
    return withoutUnusedSettings(recording);
}

StructDeviceItem GroupEditDialog::group() const
{
    StructDeviceItem item = m_pEditor->editedGroup();
    item.recording = recording();
    if (ui->m_comboBoxRecorder->count() > 0)
        item.uRecorderId = ui->m_comboBoxRecorder->currentData().toUInt();
    return item;
}

QString GroupEditDialog::refusal() const
{
    const QString form = m_pEditor->formRefusal(true);
    if (!form.isEmpty())
        return form;
    using namespace RecordingLimits;
    switch (recordingFault(recording())) {
    case RecordingFault::None:
        break;
    case RecordingFault::EventPercent:
        return tr("Enter an event share from %1 to %2 %.").arg(MinEventPercent).arg(MaxEventPercent);
    case RecordingFault::RetentionDays:
        return tr("Enter the days to keep the group from %1 to %2, or leave them empty for the site's period.")
            .arg(MinRetentionDays)
            .arg(MaxRetentionDays);
    case RecordingFault::SubStreamKbps:
        return tr("Enter the sub-stream's rate, from 1 to %1 kbps.").arg(MaxSubStreamKbps);
    case RecordingFault::SubStreamRetentionDays:
        return tr("Enter the days to keep the sub-stream from %1 to %2, or leave them empty to keep it "
                  "as long as the main stream.")
            .arg(MinRetentionDays)
            .arg(MaxRetentionDays);
    }
    return {};
}

void GroupEditDialog::onSave()
{
    const QString reason = refusal();
    if (!reason.isEmpty()) {
        aptui::execNotice(tr("Hint"), reason);
        return;
    }
    accept();
}
