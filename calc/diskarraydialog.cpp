#include "calc/diskarraydialog.h"

#include "aptui/label.h"
#include "platform/guiinit.h"

#include "ui_diskarraydialog.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QStringList>

#include <utility>

namespace {

// The least size; the dialog grows to what its texts take in the program's
// fonts (reserveRoom).
constexpr int kDialogWidth = 580;
constexpr int kDialogHeight = 460;
// Without the drive count, which is the answer when drives are counted.
constexpr int kCountDialogHeight = 420;
constexpr double kGBPerTB = 1000.0;
// The fields' height; a reason beside one takes up to two lines, and so
// do the result's breakdown and what Use enters.
constexpr int kFieldHeight = 30;
constexpr int kWrappedLines = 2;

const RaidLevel kLevels[] = {RaidLevel::Single, RaidLevel::Raid0,  RaidLevel::Raid1,  RaidLevel::Raid5,
                             RaidLevel::Raid6,  RaidLevel::Raid10, RaidLevel::Raid50, RaidLevel::Raid60};

bool isGrouped(RaidLevel level)
{
    return level == RaidLevel::Raid50 || level == RaidLevel::Raid60;
}

// The height `lines` lines of text take in the label, with its margins.
int linesHeight(QLabel *label, int lines)
{
    label->ensurePolished();
    const QString text = label->text();
    label->setText(QStringList(lines, QStringLiteral("X")).join(QLatin1Char('\n')));
    const int height = label->sizeHint().height();
    label->setText(text);
    return height;
}

// The style sheet marks a field whose input is refused, and a result that
// is none.
void markField(QWidget *field, bool refused)
{
    if (field->property("refused").toBool() == refused)
        return;
    field->setProperty("refused", refused);
    field->style()->unpolish(field);
    field->style()->polish(field);
}

} // namespace

DiskArrayDialog::DiskArrayDialog(const DiskArraySetup &setup, Purpose purpose, qint64 neededGB,
                                 QWidget *parent)
    : aptui::BaseDialog(false, false, false, false, true, true, true, parent)
    , ui(std::make_unique<Ui::DiskArrayDialog>())
    , m_purpose(purpose)
    , m_neededGB(neededGB)
{
    setTitle(tr("Disk array"));
    auto *content = new QWidget;
    ui->setupUi(content);
    // The content area takes ownership of the widget.
    setContentWidget(content);
    aptui::nameFieldsByTheirLabels(content);
    setDialogFixedSize(kDialogWidth, purpose == ForDiskSize ? kDialogHeight : kCountDialogHeight);
    reserveRoom(content);
    setConfirmButtonText(purpose == ForDiskSize ? tr("Use") : tr("Apply"));

    using namespace DiskArrayLimits;
    ui->m_spinBoxDrives->setRange(0, MaxDrives);
    ui->m_spinBoxGroups->setRange(MinGroups, MaxGroups);
    ui->m_spinBoxHotSpares->setRange(0, MaxDrives);
    ui->m_spinBoxFillLimit->setRange(1, 100);
    // TB with up to three decimals, that is whole GB; a size past the
    // largest drive is let through so that the reason can be shown.
    ui->m_lineEditDriveSize->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,3}(\\.\\d{0,3})?")), this));
    for (const RaidLevel level : kLevels)
        ui->m_comboBoxLevel->addItem(DiskArrayText::levelName(level), int(level));

    ui->m_spinBoxDrives->setValue(setup.drives);
    ui->m_lineEditDriveSize->setText(QString::number(setup.driveGB / kGBPerTB, 'f', 3)
                                         .remove(QRegularExpression(QStringLiteral("\\.?0+$"))));
    ui->m_comboBoxLevel->setCurrentIndex(ui->m_comboBoxLevel->findData(int(setup.level)));
    ui->m_spinBoxGroups->setValue(setup.groups);
    ui->m_spinBoxHotSpares->setValue(setup.hotSpares);
    ui->m_spinBoxFillLimit->setValue(setup.fillPercent);

    // Counting the drives for a size makes the count the answer, not an input.
    for (QWidget *drives : {static_cast<QWidget *>(ui->m_labelDrives),
                            static_cast<QWidget *>(ui->m_spinBoxDrives),
                            static_cast<QWidget *>(ui->m_labelDrivesFault)})
        drives->setVisible(purpose == ForDiskSize);
    // The dialog opens on its first field, so that Return alone does not
    // take the inputs as they came.
    (purpose == ForDiskSize ? static_cast<QWidget *>(ui->m_spinBoxDrives)
                            : static_cast<QWidget *>(ui->m_lineEditDriveSize))
        ->setFocus();

    for (QSpinBox *spinBox : {ui->m_spinBoxDrives, ui->m_spinBoxGroups, ui->m_spinBoxHotSpares,
                              ui->m_spinBoxFillLimit})
        connect(spinBox, &QSpinBox::valueChanged, this, &DiskArrayDialog::onInputsChanged);
    connect(ui->m_lineEditDriveSize, &QLineEdit::textChanged, this, &DiskArrayDialog::onInputsChanged);
    connect(ui->m_comboBoxLevel, &QComboBox::currentIndexChanged,
            this, &DiskArrayDialog::onInputsChanged);
    onInputsChanged();
}

DiskArrayDialog::~DiskArrayDialog() = default;

void DiskArrayDialog::limitDrives(int bays)
{
    ui->m_spinBoxDrives->setMaximum(qBound(1, bays, DiskArrayLimits::MaxDrives));
}

void DiskArrayDialog::reserveRoom(QWidget *content)
{
    // Every text has its room from the start: a reason beside its field, the
    // result its line in the larger font of a capacity, the lines under it
    // theirs. A layout short of room squeezes the rows of inputs, and they
    // would move as the texts change. The fonts come from the style sheet,
    // known once the labels are polished.
    for (QLabel *reason : {ui->m_labelDrivesFault, ui->m_labelDriveSizeFault, ui->m_labelGroupsFault,
                           ui->m_labelHotSparesFault, ui->m_labelFillLimitFault}) {
        reason->setFixedHeight(qMax(kFieldHeight, linesHeight(reason, kWrappedLines)));
        reason->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    const std::pair<QLabel *, int> lines[] = {{ui->m_labelResult, 1},
                                              {ui->m_labelBreakdown, kWrappedLines},
                                              {ui->m_labelUsableSum, 1},
                                              {ui->m_labelEntry, kWrappedLines}};
    for (const auto &[label, count] : lines)
        label->setMinimumHeight(linesHeight(label, count));
    // The dialog grows by what its content lacks (a larger font, a longer
    // language).
    QWidget *area = content->parentWidget();
    const int shortBy = area->layout()->minimumSize().height() - area->height();
    if (shortBy > 0)
        setDialogFixedSize(width(), height() + shortBy);
}

DiskArraySetup DiskArrayDialog::setup() const
{
    DiskArraySetup setup;
    setup.drives = ui->m_spinBoxDrives->value();
    // The validator admits at most three decimals: rounding only drops the
    // binary fraction's error (1.2 × 1000 is 1200.0000000000002).
    setup.driveGB = int(qRound64(ui->m_lineEditDriveSize->text().toDouble() * kGBPerTB));
    setup.level = RaidLevel(ui->m_comboBoxLevel->currentData().toInt());
    setup.groups = ui->m_spinBoxGroups->value();
    setup.hotSpares = ui->m_spinBoxHotSpares->value();
    setup.fillPercent = ui->m_spinBoxFillLimit->value();
    return setup;
}

void DiskArrayDialog::onInputsChanged()
{
    const DiskArraySetup now = setup();
    const bool grouped = isGrouped(now.level);
    ui->m_labelGroups->setEnabled(grouped);
    ui->m_spinBoxGroups->setEnabled(grouped);
    if (m_purpose == ForDiskSize)
        showDiskSize(now);
    else
        showDrivesNeeded(now);
}

void DiskArrayDialog::showFaults(const QVector<DiskArrayFault> &faults, const DiskArraySetup &setup)
{
    struct Place
    {
        DiskArrayInput input;
        QWidget *field;
        QLabel *reason;
    };
    const Place places[] = {
        {DiskArrayInput::Drives, ui->m_spinBoxDrives, ui->m_labelDrivesFault},
        {DiskArrayInput::DriveSize, ui->m_lineEditDriveSize, ui->m_labelDriveSizeFault},
        {DiskArrayInput::Groups, ui->m_spinBoxGroups, ui->m_labelGroupsFault},
        {DiskArrayInput::HotSpares, ui->m_spinBoxHotSpares, ui->m_labelHotSparesFault},
        {DiskArrayInput::FillLimit, ui->m_spinBoxFillLimit, ui->m_labelFillLimitFault},
    };
    for (const Place &place : places) {
        QString reason;
        for (const DiskArrayFault fault : faults) {
            if (faultInput(fault) == place.input) {
                reason = DiskArrayText::fault(fault, setup);
                break;
            }
        }
        place.reason->setText(reason);
        markField(place.field, !reason.isEmpty());
    }
}

void DiskArrayDialog::showDiskSize(const DiskArraySetup &setup)
{
    const DiskArrayCapacity capacity = diskArrayCapacity(setup);
    showFaults(capacity.faults, setup);
    setConfirmButtonEnabled(capacity.isPossible());
    ui->m_labelResultTitle->setText(tr("Usable capacity :"));
    markField(ui->m_labelResult, !capacity.isPossible());
    if (!capacity.isPossible()) {
        ui->m_labelResult->setText(tr("None"));
        ui->m_labelBreakdown->setText(tr("These drives make no array: see the reasons above."));
        ui->m_labelUsableSum->clear();
        ui->m_labelEntry->clear();
        return;
    }
    ui->m_labelResult->setText(DiskArrayText::capacity(capacity.usableCentiGB));
    ui->m_labelBreakdown->setText(DiskArrayText::drives(setup) + QLatin1Char(' ')
                                  + DiskArrayText::breakdown(setup, capacity));
    ui->m_labelUsableSum->setText(DiskArrayText::usableSum(setup, capacity));
    const DiskSizeEntry entry = diskSizeEntry(capacity.usableCentiGB);
    const QString unit = entry.unit == DiskUnit::TB ? QStringLiteral("TB") : QStringLiteral("GB");
    QString text = tr("\"Use\" sets the disk size to %1 %2.")
                       .arg(diskSizeFieldText(entry.size, OrvaneGUIToolkit::GuiLocale()), unit);
    if (entry.roundedDown && entry.unit == DiskUnit::GB)
        text += QLatin1Char(' ') + tr("Rounded down to a whole GB: the field takes whole numbers.");
    else if (entry.roundedDown)
        text += QLatin1Char(' ') + tr("Rounded down to a whole GB: the field takes three decimals of a TB.");
    ui->m_labelEntry->setText(text);
}

void DiskArrayDialog::showDrivesNeeded(const DiskArraySetup &setup)
{
    const DrivesNeeded needed = drivesNeeded(m_neededGB, setup);
    showFaults(needed.capacity.faults, needed.array);
    setConfirmButtonEnabled(needed.outcome != DrivesNeeded::Impossible);
    ui->m_labelResultTitle->setText(
        tr("Drives for %1 :").arg(DiskArrayText::capacity(m_neededGB * 100)));
    markField(ui->m_labelResult, needed.outcome != DrivesNeeded::Found);
    const DiskArrayText::Line line = DiskArrayText::drivesNeeded(needed, m_neededGB);
    ui->m_labelResult->setText(line.head);
    ui->m_labelBreakdown->setText(line.tail);
    ui->m_labelUsableSum->setText(needed.outcome == DrivesNeeded::Impossible
                                      ? QString()
                                      : DiskArrayText::usableSum(needed.array, needed.capacity));
    ui->m_labelEntry->setText(tr("\"Apply\" keeps these inputs for the drives shown under the size."));
}
