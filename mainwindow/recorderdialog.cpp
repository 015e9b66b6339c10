#include "mainwindow/recorderdialog.h"

#include "aptui/basedialog.h"
#include "aptui/label.h"
#include "calc/diskarray.h"
#include "calc/diskarraydialog.h"

#include "ui_recorderdialog.h"

#include <cmath>

namespace {

constexpr int kDialogWidth = 520;
constexpr int kDialogHeight = 420;
constexpr double kGBPerTB = 1000.0;

} // namespace

RecorderDialog::RecorderDialog(const PlanRecorder &recorder, const QVector<RecorderProfile> &profiles,
                               QWidget *parent)
    : aptui::BaseDialog(false, false, false, false, true, true, true, parent)
    , ui(std::make_unique<Ui::RecorderDialog>())
    , m_profiles(profiles)
    , m_recorder(recorder)
{
    setObjectName(QStringLiteral("RecorderDialog"));
    setTitle(tr("Recorder"));
    auto *content = new QWidget;
    ui->setupUi(content);
    setContentWidget(content);
    aptui::nameFieldsByTheirLabels(content);
    setDialogFixedSize(kDialogWidth, kDialogHeight);
    setConfirmButtonText(tr("Save"));

    using namespace RecorderLimitBounds;
    ui->m_spinBoxChannels->setRange(1, MaxChannels);
    ui->m_spinBoxIncoming->setRange(1, MaxIncomingMbps);
    ui->m_spinBoxBays->setRange(1, MaxDriveBays);
    ui->m_spinBoxLargestDrive->setRange(0.001, MaxDriveGB / kGBPerTB);
    ui->m_spinBoxUplink->setRange(0, PlanRecorderLimits::MaxUplinkMbps);

    ui->m_comboBoxProfile->addItem(tr("Limits of its own"));
    for (const RecorderProfile &profile : std::as_const(m_profiles))
        ui->m_comboBoxProfile->addItem(profile.name);

    m_filling = true;
    ui->m_lineEditName->setText(recorder.name);
    const RecorderLimits &limits = recorder.limits;
    ui->m_spinBoxChannels->setValue(limits.channels);
    ui->m_spinBoxIncoming->setValue(limits.incomingMbps);
    ui->m_spinBoxBays->setValue(limits.driveBays);
    ui->m_spinBoxLargestDrive->setValue(limits.largestDriveGB / kGBPerTB);
    ui->m_spinBoxUplink->setValue(recorder.uplinkMbps);
    const int profile = ui->m_comboBoxProfile->findText(recorder.profile);
    ui->m_comboBoxProfile->setCurrentIndex(recorder.profile.isEmpty() || profile < 0 ? 0 : profile);
    m_filling = false;
    showArray();

    connect(ui->m_comboBoxProfile, &QComboBox::currentIndexChanged, this, &RecorderDialog::onProfileChosen);
    for (QSpinBox *spinBox : {ui->m_spinBoxChannels, ui->m_spinBoxIncoming, ui->m_spinBoxBays})
        connect(spinBox, &QSpinBox::valueChanged, this, &RecorderDialog::onLimitsEdited);
    connect(ui->m_spinBoxLargestDrive, &QDoubleSpinBox::valueChanged, this, &RecorderDialog::onLimitsEdited);
    connect(ui->m_lineEditName, &QLineEdit::textChanged, this,
            [this](const QString &name) { setConfirmButtonEnabled(!name.trimmed().isEmpty()); });
    connect(ui->m_btnDiskArray, &QPushButton::clicked, this, &RecorderDialog::editDrives);
    connect(ui->m_btnKeepProfile, &QPushButton::clicked, this, &RecorderDialog::keepProfile);
    setConfirmButtonEnabled(!recorder.name.trimmed().isEmpty());
    ui->m_lineEditName->setFocus();
}

RecorderDialog::~RecorderDialog() = default;

RecorderLimits RecorderDialog::limits() const
{
    return {ui->m_spinBoxChannels->value(), ui->m_spinBoxIncoming->value(), ui->m_spinBoxBays->value(),
            int(std::lround(ui->m_spinBoxLargestDrive->value() * kGBPerTB))};
}

PlanRecorder RecorderDialog::recorder() const
{
    PlanRecorder recorder = m_recorder;
    recorder.name = ui->m_lineEditName->text().trimmed();
    recorder.profile = ui->m_comboBoxProfile->currentIndex() > 0 ? ui->m_comboBoxProfile->currentText() : QString();
    recorder.limits = limits();
    recorder.uplinkMbps = ui->m_spinBoxUplink->value();
    return recorder;
}

void RecorderDialog::onProfileChosen(int index)
{
    if (m_filling || index <= 0 || index > m_profiles.size())
        return;
    const RecorderLimits &limits = m_profiles.at(index - 1).limits;
    m_filling = true;
    ui->m_spinBoxChannels->setValue(limits.channels);
    ui->m_spinBoxIncoming->setValue(limits.incomingMbps);
    ui->m_spinBoxBays->setValue(limits.driveBays);
    ui->m_spinBoxLargestDrive->setValue(limits.largestDriveGB / kGBPerTB);
    m_filling = false;
}

void RecorderDialog::onLimitsEdited()
{
    // Limits that differ from the profile's are the recorder's own.
    const int index = ui->m_comboBoxProfile->currentIndex();
    if (m_filling || index <= 0)
        return;
    if (m_profiles.at(index - 1).limits != limits()) {
        m_filling = true;
        ui->m_comboBoxProfile->setCurrentIndex(0);
        m_filling = false;
    }
}

void RecorderDialog::editDrives()
{
    DiskArrayDialog dialog(m_recorder.diskArray, DiskArrayDialog::ForDiskSize, 0, this);
    dialog.limitDrives(ui->m_spinBoxBays->value());
    if (dialog.exec() == QDialog::Accepted) {
        m_recorder.diskArray = dialog.setup();
        showArray();
    }
}

void RecorderDialog::showArray()
{
    const DiskArraySetup &array = m_recorder.diskArray;
    const DiskArrayCapacity capacity = diskArrayCapacity(array);
    if (!capacity.isPossible()) {
        ui->m_labelArray->setText(tr("No drives that make an array"));
        return;
    }
    ui->m_labelArray->setText(tr("%1: %2").arg(DiskArrayText::drives(array),
                                                  DiskArrayText::capacity(capacity.usableCentiGB)));
}

void RecorderDialog::keepProfile()
{
    const RecorderProfile profile{ui->m_lineEditName->text().trimmed(), limits()};
    QString error;
    if (!RecorderProfileFile::add(profile, &error)) {
        aptui::execNotice(tr("Profile not kept"), error);
        return;
    }
    m_profiles.append(profile);
    m_filling = true;
    ui->m_comboBoxProfile->addItem(profile.name);
    ui->m_comboBoxProfile->setCurrentIndex(ui->m_comboBoxProfile->count() - 1);
    m_filling = false;
}
