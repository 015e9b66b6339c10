#include "calc/datacalculatorpage.h"

#include "calc/capacityresults.h"
#include "data/bitratecalculator.h"
#include "platform/cintvalidator.h"
#include "platform/fieldvalue.h"

#include "ui_datacalculatorpage.h"

#include <QIcon>
#include <QLineEdit>

namespace {

constexpr int kTimePage = 0;
constexpr int kSizePage = 1;
constexpr int kSwitchIconSide = 24;
// A total below this in absolute value means there is nothing to record.
constexpr double kZeroBitrate = 1e-06;

bool isZeroBitrate(double totalBitrate)
{
    return -kZeroBitrate < totalBitrate && totalBitrate < kZeroBitrate;
}

const QString kZero = QStringLiteral("0");
const QString kGB = QStringLiteral("GB");

QString calculatorImage(const char *name)
{
    return QStringLiteral(":/CommonSkin/Larkspan/Images/Larkspan/CalculatorPage/")
           + QLatin1String(name);
}

} // namespace

DataCalculatorPage::DataCalculatorPage(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DataCalculatorPage>())
    , m_pBitrateCalculator(std::make_unique<BitrateCalculator>())
{
    ui->setupUi(this);

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

    ui->m_lineEditGT->setValidator(new OrvaneGUIToolkit::CIntValidator(0, 50000, this));
    ui->m_lineEditGT->setMaxLength(5);
    ui->m_lineEditSaveTime->setValidator(new OrvaneGUIToolkit::CIntValidator(0, 365, this));
}

DataCalculatorPage::~DataCalculatorPage() = default;

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
    // Only the shown calculation is redone; the hidden page keeps its texts
    // until it is shown again.
    if (isZeroBitrate(dTotalBitrate)) {
        if (isSizePageShown())
            emit setDiskSize(kZero, kGB);
        else
            emit setTime(kZero, kZero, kZero);
        return;
    }
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
    double diskSizeGB = OrvaneGUIToolkit::FieldNumber(ui->m_lineEditGT);
    if (ui->m_radioBtnTB->isChecked())
        diskSizeGB *= 1000.0;

    if (isZeroBitrate(m_dTotalBitrate)) {
        emit setTime(kZero, kZero, kZero);
        return;
    }
    const int hoursPerDay = ui->m_spinBoxTime->text().toInt(nullptr, 10);
    if (hoursPerDay == 0) {
        emit setTime(kZero, kZero, kZero);
        return;
    }

    const double hours = m_pBitrateCalculator->calculateRecordHours(m_dTotalBitrate, diskSizeGB);
    const RecordTimeText time = toRecordTimeResult(hours, hoursPerDay);
    emit setTime(time.day, time.week, time.month);
}

void DataCalculatorPage::OnCalculateDiskSizeDataChanged()
{
    const int count = OrvaneGUIToolkit::FieldInteger(ui->m_lineEditSaveTime);
    const int hoursPerDay = ui->m_spinBoxDailyTime->text().toInt(nullptr, 10);

    int recordHours = 0;
    if (ui->m_radioBtnDay->isChecked())
        recordHours = count * hoursPerDay;
    else if (ui->m_radioBtnWeek->isChecked())
        recordHours = count * 7 * hoursPerDay;
    else
        recordHours = count * 30 * hoursPerDay;

    // A zero bitrate needs no test of its own: it gives a size of 0 GB.
    const double diskSize = m_pBitrateCalculator->calculateDiskSize(m_dTotalBitrate, recordHours);
    const DiskSizeText size = toDiskSizeResult(diskSize);
    emit setDiskSize(size.size, size.unit);
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
