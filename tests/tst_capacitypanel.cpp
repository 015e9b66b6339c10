#include "aptui/textsize.h"
#include "calc/capacitycalculation.h"
#include "calc/datacalculatorpage.h"
#include "calc/widgetdevicelistborder.h"
#include "device/deviceaddpage.h"
#include "device/deviceeditor.h"
#include "mainwindow/larkspanmainpage.h"
#include "platform/targetpath.h"

#include "childwidget.h"
#include "datafixture.h"
#include "dialoganswerer.h"

#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

namespace {

// One channel group as a person enters it in the editor.
struct Group
{
    int deviceType;     // position in the device type list
    QString resolution;
    int frameIndex;     // position in the PAL frame-rate list
    int channels;
};

// The shipped frame-rate list positions used below and their frames per
// second, written out here rather than read through the program.
double palFrames(int frameIndex)
{
    switch (frameIndex) {
    case 0: return 50;
    case 1: return 25;
    case 7: return 15;
    case 13: return 5;
    case 18: return 0.5;
    default: qFatal("frame index %d not in the table", frameIndex);
    }
}

double ntscFrames(double palFrames)
{
    return palFrames == 25 ? 30 : palFrames == 50 ? 60 : palFrames;
}

// The shipped H.264 table value, read from the file as text.
double tableValue(int deviceType, const QString &resolution)
{
    const QString folder = deviceType == 0 ? QStringLiteral("IPCBitrate") : QStringLiteral("DVRBitrate");
    const QString text = QString::fromLatin1(readFixture(shippedDataDir(), folder + QStringLiteral("/H.264.csv")));
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QStringList fields = line.trimmed().split(QLatin1Char(','));
        if (fields.value(0) == resolution)
            return fields.value(1).toDouble();
    }
    qFatal("resolution %s not in the shipped table", qPrintable(resolution));
}

// kbps of one channel: recorders scale between a fifth of the table value
// and the whole at 25 fps; cameras scale linearly from 10 fps up and lose a
// tenth per frame below.
double channelRate(int deviceType, double d, double f)
{
    if (deviceType == 1)
        return d / 5.0 + (f * 4.0 * d) / 125.0;
    if (f >= 10)
        return d * f / 25.0;
    const double framesMissing = f < 1 ? 9 : 10 - f;
    return d * 10.0 / 25.0 * std::pow(0.9, framesMissing);
}

double gbPerHour(double total)
{
    return total * 3600.0 / 8000000.0 * 1.0030090270812437 * 1.024;
}

QStringList timeTexts(double total, double diskGb, int hoursPerDay)
{
    const double days = diskGb / gbPerHour(total) / hoursPerDay;
    return {QString::number(qint64(days)), QString::number(int(days / 7.0)),
            QString::number(int(days / 30.0))};
}

QStringList sizeTexts(double total, int hours)
{
    const int gb = int(std::ceil(gbPerHour(total) * hours));
    if (gb <= 1000)
        return {QString::number(gb), QStringLiteral("GB")};
    return {QString::number(int(std::ceil(gb / 1000.0))), QStringLiteral("TB")};
}

bool showsNumber(QLabel *label, const QString &number)
{
    return label->text().contains(QLatin1Char('>') + number + QLatin1Char('<'));
}

void enterGroup(DeviceEditor &editor, const Group &group)
{
    child<QComboBox>(editor, "m_comboBoxDeviceType")->setCurrentIndex(group.deviceType);
    QComboBox *resolutions = child<QComboBox>(editor, "m_comboBoxResolution");
    resolutions->setCurrentIndex(resolutions->findText(group.resolution));
    child<QComboBox>(editor, "m_comboxFrameRate")->setCurrentIndex(group.frameIndex);
    QLineEdit *count = child<QLineEdit>(editor, "m_lineEditChannelCounts");
    count->selectAll();
    QTest::keyClicks(count, QString::number(group.channels));
    QTest::mouseClick(child<QPushButton>(editor, "m_btnAddDevice"), Qt::LeftButton);
}

} // namespace

class TestCapacityPanel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void startsInTheEmptyState();
    void normalPageTwiceShowsTheSame();
    void clearWithAnEmptyListStillAsks();
    void accessorsHandOutTheChildPages();

    void emptyStateOnlyUntilTheFirstGroup();
    void resultsThroughTheWholeRoad_data();
    void resultsThroughTheWholeRoad();
};

void TestCapacityPanel::initTestCase()
{
    OrvaneGUIToolkit::SetTargetPathOverride(shippedDataDir());
}

void TestCapacityPanel::startsInTheEmptyState()
{
    CapacityCalculation panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));

    QVERIFY(!child<QWidget>(panel, "m_CapacityWidget")->isVisible());
    QVERIFY(!child<QWidget>(panel, "m_deviceAddPage")->isVisible());
    QVERIFY(!child<QWidget>(panel, "m_dataCalculatorPage")->isVisible());
    auto *empty = panel.findChild<WidgetDeviceListBorder *>();
    QVERIFY(empty->isVisible());
    QCOMPARE(child<QLayout>(panel, "m_borderLayout")->count(), 1);

    // Picture and tip sit together in the middle of the panel.
    QLabel *picture = child<QLabel>(*empty, "m_labelNullPic");
    QLabel *tip = child<QLabel>(*empty, "m_labeNullTip");
    QVERIFY(tip->text().contains(QStringLiteral("Please Add Device!")));
    const int left = picture->mapTo(&panel, QPoint(0, 0)).x();
    const int right = panel.width() - tip->mapTo(&panel, QPoint(tip->width(), 0)).x();
    QVERIFY2(std::abs(left - right) <= 2, qPrintable(QStringLiteral("%1 vs %2").arg(left).arg(right)));

    // The high-contrast look darkens the grey written into the tip, and the
    // default look gets it back.
    const QString asDesigned = tip->text();
    for (const bool highContrast : {true, false}) {
        qApp->setProperty(aptui::HighContrastProperty, highContrast);
        QEvent styleChange(QEvent::StyleChange);
        QCoreApplication::sendEvent(empty, &styleChange);
        QCOMPARE(tip->text().contains(QStringLiteral("#4d4d4d")), highContrast);
    }
    QCOMPARE(tip->text(), asDesigned);
}

void TestCapacityPanel::normalPageTwiceShowsTheSame()
{
    CapacityCalculation panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));

    for (int i = 0; i < 2; ++i) {
        panel.showNormalPage();
        QVERIFY(child<QWidget>(panel, "m_deviceAddPage")->isVisible());
        QVERIFY(child<QWidget>(panel, "m_dataCalculatorPage")->isVisible());
        QVERIFY(!panel.findChild<WidgetDeviceListBorder *>()->isVisible());
        QCOMPARE(child<QLayout>(panel, "m_borderLayout")->count(), 1);
    }
}

void TestCapacityPanel::clearWithAnEmptyListStillAsks()
{
    CapacityCalculation panel;
    QSignalSpy spy(&panel, &CapacityCalculation::signalClear);

    QTest::mouseClick(child<QPushButton>(panel, "m_btnClear"), Qt::LeftButton);

    QCOMPARE(spy.size(), 1);
}

void TestCapacityPanel::accessorsHandOutTheChildPages()
{
    CapacityCalculation panel;
    auto *list = qobject_cast<DeviceAddPage *>(panel.getDeviceAddPage());
    auto *calculator = qobject_cast<DataCalculatorPage *>(panel.getDataCalculatorPage());
    QVERIFY(list);
    QVERIFY(calculator);
    QCOMPARE(list->objectName(), QStringLiteral("m_deviceAddPage"));
    QCOMPARE(calculator->objectName(), QStringLiteral("m_dataCalculatorPage"));
    QCOMPARE(panel.getDataDisplayPageSize(), calculator->getDataDisplayPageSize());
    QCOMPARE(panel.getDataDisplayPageTime(), calculator->getDataDisplayPageTime());
    QVERIFY(panel.getDataDisplayPageSize() != panel.getDataDisplayPageTime());
}

void TestCapacityPanel::emptyStateOnlyUntilTheFirstGroup()
{
    LarkspanMainPage window;
    window.connectPages();
    window.resize(1280, 768);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto &editor = *qobject_cast<DeviceEditor *>(const_cast<QObject *>(window.getDeviceEditor()));
    auto &panel = *qobject_cast<CapacityCalculation *>(const_cast<QObject *>(window.getCapacityCalculation()));
    QWidget *list = child<QWidget>(panel, "m_deviceAddPage");
    QVERIFY(!list->isVisible());

    QTest::mouseClick(child<QPushButton>(editor, "m_btnAddDevice"), Qt::LeftButton);
    QVERIFY(list->isVisible());

    answerNextDialog([](QDialog *dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("btnConfirm")), Qt::LeftButton);
    });
    QTest::mouseClick(child<QPushButton>(panel, "m_btnClear"), Qt::LeftButton);

    QVERIFY(qobject_cast<DeviceAddPage *>(panel.getDeviceAddPage())->getDeviceData().isEmpty());
    QVERIFY(list->isVisible());
    QVERIFY(child<QWidget>(panel, "m_dataCalculatorPage")->isVisible());
}

void TestCapacityPanel::resultsThroughTheWholeRoad_data()
{
    QTest::addColumn<QList<Group>>("groups");
    QTest::addColumn<bool>("ntsc");

    QTest::newRow("one camera group at 25 fps") << QList<Group>{{0, "4MP", 1, 4}} << false;
    QTest::newRow("cameras and recorders at several rates")
        << QList<Group>{{0, "4MP", 1, 4}, {1, "4MP", 7, 2}, {0, "1080P", 13, 16}, {1, "1080P", 18, 1}}
        << false;
    QTest::newRow("many channels give terabytes")
        << QList<Group>{{0, "8MP", 0, 64}, {1, "8MP", 1, 32}} << false;
    QTest::newRow("switching to NTSC converts the 25 and 50 fps groups")
        << QList<Group>{{0, "4MP", 1, 4}, {1, "4MP", 0, 2}, {0, "1080P", 7, 3}} << true;
}

void TestCapacityPanel::resultsThroughTheWholeRoad()
{
    QFETCH(QList<Group>, groups);
    QFETCH(bool, ntsc);

    LarkspanMainPage window;
    window.connectPages();
    auto &editor = *qobject_cast<DeviceEditor *>(const_cast<QObject *>(window.getDeviceEditor()));
    auto &panel = *qobject_cast<CapacityCalculation *>(const_cast<QObject *>(window.getCapacityCalculation()));

    double total = 0.0;
    for (const Group &group : std::as_const(groups)) {
        enterGroup(editor, group);
        const double d = tableValue(group.deviceType, group.resolution);
        const double shown = std::trunc(channelRate(group.deviceType, d, palFrames(group.frameIndex)));
        if (!ntsc) {
            total += group.channels * shown;
            continue;
        }
        const double frames = palFrames(group.frameIndex);
        total += group.channels
                 * (ntscFrames(frames) == frames ? shown : channelRate(group.deviceType, d, ntscFrames(frames)));
    }
    if (ntsc)
        QTest::mouseClick(child<QPushButton>(editor, "m_btnOFF"), Qt::LeftButton);

    auto *calculator = qobject_cast<QWidget *>(panel.getDataCalculatorPage());
    QCOMPARE(qobject_cast<DeviceAddPage *>(panel.getDeviceAddPage())->getTotalBitrate(), total);

    // Defaults of the calculation page: 4 TB at 24 hours a day, and 1 week
    // at 24 hours a day.
    const QStringList time = timeTexts(total, 4000.0, 24);
    QVERIFY2(showsNumber(child<QLabel>(*calculator, "m_labelByDay"), time.at(0)), qPrintable(time.join(',')));
    QVERIFY(showsNumber(child<QLabel>(*calculator, "m_labelByWeek"), time.at(1)));
    QVERIFY(showsNumber(child<QLabel>(*calculator, "m_labelByMonth"), time.at(2)));

    QTest::mouseClick(child<QPushButton>(*calculator, "m_btnOFF"), Qt::LeftButton);
    const QStringList size = sizeTexts(total, 7 * 24);
    QLabel *sizeLabel = child<QLabel>(*calculator, "m_labelDisplaySize");
    QVERIFY2(sizeLabel->text().contains(size.at(0)) && sizeLabel->text().contains(size.at(1)),
             qPrintable(sizeLabel->text() + QLatin1Char(' ') + size.join(QLatin1Char(' '))));
}

QTEST_MAIN(TestCapacityPanel)
#include "tst_capacitypanel.moc"
