#include "calc/datacalculatorpage.h"
#include "calc/datadisplaypage.h"
#include "calc/sizedisplaypage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>

namespace {

// The calculation page as the main window has it: shown, with its result
// pages fed by its signals, and every input reached by object name.
struct CalculatorPage
{
    CalculatorPage()
    {
        QObject::connect(&page, &DataCalculatorPage::setTime,
                         qobject_cast<DataDisplayPage *>(page.getDataDisplayPageTime()),
                         &DataDisplayPage::displayTime);
        QObject::connect(&page, &DataCalculatorPage::setDiskSize,
                         qobject_cast<SizeDisplayPage *>(page.getDataDisplayPageSize()),
                         &SizeDisplayPage::displaySize);
        page.show();
    }

    template <typename T>
    T *find(const char *name) const
    {
        auto *child = page.findChild<T *>(QLatin1String(name));
        if (!child)
            qWarning("no child %s", name);
        return child;
    }

    // Select all and type, as a person replaces the text of a field.
    void type(QWidget *field, const QString &text)
    {
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Backspace);
        else
            QTest::keyClicks(field, text);
    }

    void click(const char *name) { QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton); }

    QString labelText(const char *name) const { return find<QLabel>(name)->text(); }

    void clearSpies()
    {
        time.clear();
        size.clear();
    }

    DataCalculatorPage page;
    QSignalSpy time{&page, &DataCalculatorPage::setTime};
    QSignalSpy size{&page, &DataCalculatorPage::setDiskSize};
};

QStringList texts(const QList<QVariant> &arguments)
{
    QStringList result;
    for (const QVariant &argument : arguments)
        result << argument.toString();
    return result;
}

QStringList lastTexts(const QSignalSpy &spy)
{
    return spy.isEmpty() ? QStringList() : texts(spy.last());
}

const QStringList kZeroTime{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
const QStringList kZeroSize{QStringLiteral("0"), QStringLiteral("GB")};
const QStringList kMoreTime{QStringLiteral(">3650"), QStringLiteral(">521"), QStringLiteral(">121")};
const QStringList kMoreSize{QStringLiteral(">50000"), QStringLiteral("TB")};

} // namespace

class TestCalculatorPage : public QObject
{
    Q_OBJECT

private slots:
    void constructionComputesNothing();
    void defaultsGiveTheWorkedExample();
    void timeCalculation_data();
    void timeCalculation();
    void sizeCalculation_data();
    void sizeCalculation();
    void zeroBitrate_data();
    void zeroBitrate();
    void unitToggleComputesOncePerButton();
    void sliderAndSpinBoxStayInStep();
    void hiddenPageKeepsItsTexts();
    void pressingTheSelectedSideDoesNothing();
    void fieldsAcceptOnlyWhatTheValidatorsLetThrough_data();
    void fieldsAcceptOnlyWhatTheValidatorsLetThrough();
};

void TestCalculatorPage::constructionComputesNothing()
{
    CalculatorPage p;
    // Until a total arrives the result pages show their first texts.
    QVERIFY(p.labelText("m_labelByDay").contains(QStringLiteral("天")));
    QVERIFY(p.labelText("m_labelDisplaySize").contains(QStringLiteral("MB")));
    QCOMPARE(p.find<QStackedWidget>("m_tabWidgetSections")->currentIndex(), 0);
}

void TestCalculatorPage::defaultsGiveTheWorkedExample()
{
    CalculatorPage p;
    p.page.OnDeviceChanged(4096.0);
    QCOMPARE(p.time.count(), 1);
    QCOMPARE(texts(p.time.first()), (QStringList{"88", "12", "2"}));
    QCOMPARE(p.size.count(), 0);
    QVERIFY(p.labelText("m_labelByDay").contains(QStringLiteral(">88<")));
    QVERIFY(p.labelText("m_labelByWeek").contains(QStringLiteral(">12<")));
    QVERIFY(p.labelText("m_labelByMonth").contains(QStringLiteral(">2<")));

    p.clearSpies();
    p.click("m_btnOFF");
    QCOMPARE(p.find<QStackedWidget>("m_tabWidgetSections")->currentIndex(), 1);
    QCOMPARE(p.size.count(), 1);
    QCOMPARE(texts(p.size.first()), (QStringList{"319", "GB"}));
    QCOMPARE(p.time.count(), 0);
    QVERIFY(p.labelText("m_labelDisplaySize").contains(QStringLiteral(">319<")));
}

void TestCalculatorPage::timeCalculation_data()
{
    QTest::addColumn<double>("bitrate");
    QTest::addColumn<QString>("diskSize");
    QTest::addColumn<QString>("unitButton");
    QTest::addColumn<QString>("hoursPerDay");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("4096 kbps, 4 TB, 24 h") << 4096.0 << "4" << "m_radioBtnTB" << "24"
                                           << QStringList{"88", "12", "2"};
    QTest::newRow("2048 kbps, 1000 GB, 24 h") << 2048.0 << "1000" << "m_radioBtnGB" << "24"
                                              << QStringList{"44", "6", "1"};
    QTest::newRow("65536 kbps, 4 TB, 24 h") << 65536.0 << "4" << "m_radioBtnTB" << "24"
                                            << QStringList{"5", "0", "0"};
    QTest::newRow("4096 kbps, 4 TB, 12 h doubles the days") << 4096.0 << "4" << "m_radioBtnTB" << "12"
                                                            << QStringList{"176", "25", "5"};
    QTest::newRow("1000 kbps, 3 TB, 8 h") << 1000.0 << "3" << "m_radioBtnTB" << "8"
                                          << QStringList{"811", "115", "27"};
    QTest::newRow("1,000 GB, written with a group separator") << 2048.0 << "1,000" << "m_radioBtnGB" << "24"
                                                              << QStringList{"44", "6", "1"};
    QTest::newRow("+4 TB, written with a sign") << 4096.0 << "+4" << "m_radioBtnTB" << "24"
                                                << QStringList{"88", "12", "2"};
    QTest::newRow("4096 kbps, 5000 GB, 1 h") << 4096.0 << "5000" << "m_radioBtnGB" << "1"
                                             << QStringList{"2641", "377", "88"};
    QTest::newRow("100 kbps, 4 TB: 3606 days, under the limit") << 100.0 << "4" << "m_radioBtnTB" << "24"
                                                                << QStringList{"3606", "515", "120"};
    QTest::newRow("50 kbps, 4 TB: more than 3650 days") << 50.0 << "4" << "m_radioBtnTB" << "24" << kMoreTime;
    QTest::newRow("512 kbps, 20 TB: 3521 days") << 512.0 << "20" << "m_radioBtnTB" << "24"
                                                << QStringList{"3521", "503", "117"};
    QTest::newRow("512 kbps, 24 TB: more than 3650 days, not 0") << 512.0 << "24" << "m_radioBtnTB" << "24"
                                                              << kMoreTime;
    QTest::newRow("1 GB lasts less than a day") << 4096.0 << "1" << "m_radioBtnGB" << "24" << kZeroTime;
    QTest::newRow("empty disk size") << 4096.0 << "" << "m_radioBtnTB" << "24" << kZeroTime;
    QTest::newRow("disk size 0") << 4096.0 << "0" << "m_radioBtnTB" << "24" << kZeroTime;
    QTest::newRow("0 hours per day") << 4096.0 << "4" << "m_radioBtnTB" << "0" << kZeroTime;
    QTest::newRow("50000 TB, the largest size") << 4096.0 << "50000" << "m_radioBtnTB" << "24" << kMoreTime;
    QTest::newRow("9999 TB: more than 3650 days") << 4096.0 << "9999" << "m_radioBtnTB" << "24" << kMoreTime;
    QTest::newRow("a very large total bitrate") << 1e9 << "4" << "m_radioBtnTB" << "24" << kZeroTime;
    QTest::newRow("an infinite total bitrate") << qInf() << "4" << "m_radioBtnTB" << "24" << kZeroTime;
}

void TestCalculatorPage::timeCalculation()
{
    QFETCH(double, bitrate);
    QFETCH(QString, diskSize);
    QFETCH(QString, unitButton);
    QFETCH(QString, hoursPerDay);
    QFETCH(QStringList, expected);

    CalculatorPage p;
    p.page.OnDeviceChanged(bitrate);
    p.click(qPrintable(unitButton));
    p.type(p.find<QSpinBox>("m_spinBoxTime"), hoursPerDay);
    p.clearSpies();
    p.type(p.find<QLineEdit>("m_lineEditGT"), diskSize);

    QCOMPARE(p.find<QLineEdit>("m_lineEditGT")->text(), diskSize);
    QVERIFY(!p.time.isEmpty());
    QCOMPARE(lastTexts(p.time), expected);
    QCOMPARE(p.size.count(), 0);
}

void TestCalculatorPage::sizeCalculation_data()
{
    QTest::addColumn<double>("bitrate");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("periodButton");
    QTest::addColumn<QString>("hoursPerDay");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("4096 kbps, 1 week, 24 h") << 4096.0 << "1" << "m_radioBtnWeek" << "24"
                                             << QStringList{"319", "GB"};
    QTest::newRow("65536 kbps, 1 week, 24 h") << 65536.0 << "1" << "m_radioBtnWeek" << "24"
                                              << QStringList{"6", "TB"};
    QTest::newRow("2048 kbps, 1 day, 24 h") << 2048.0 << "1" << "m_radioBtnDay" << "24"
                                            << QStringList{"23", "GB"};
    QTest::newRow("4096 kbps, 1 month, 24 h") << 4096.0 << "1" << "m_radioMonth" << "24"
                                              << QStringList{"2", "TB"};
    QTest::newRow("4096 kbps, 365 months, 24 h") << 4096.0 << "365" << "m_radioMonth" << "24"
                                                 << QStringList{"498", "TB"};
    QTest::newRow("4096 kbps, 365 days, 24 h") << 4096.0 << "365" << "m_radioBtnDay" << "24"
                                               << QStringList{"17", "TB"};
    QTest::newRow("4096 kbps, 40 days, 24 h") << 4096.0 << "40" << "m_radioBtnDay" << "24"
                                              << QStringList{"2", "TB"};
    QTest::newRow("1000000 kbps, 365 months: more than 50000 TB") << 1e6 << "365" << "m_radioMonth" << "24"
                                                                  << kMoreSize;
    QTest::newRow("3100 channels at 4096 kbps, 365 days: more than 50000 TB, not 0")
        << 3100 * 4096.0 << "365" << "m_radioBtnDay" << "24" << kMoreSize;
    QTest::newRow("a very large total bitrate") << 1e12 << "1" << "m_radioBtnWeek" << "24" << kMoreSize;
    QTest::newRow("+1 week, written with a sign") << 4096.0 << "+1" << "m_radioBtnWeek" << "24"
                                                  << QStringList{"319", "GB"};
    QTest::newRow("empty save time") << 4096.0 << "" << "m_radioBtnWeek" << "24" << kZeroSize;
    QTest::newRow("save time 0") << 4096.0 << "0" << "m_radioMonth" << "24" << kZeroSize;
    QTest::newRow("0 hours per day") << 4096.0 << "1" << "m_radioBtnWeek" << "0" << kZeroSize;
}

void TestCalculatorPage::sizeCalculation()
{
    QFETCH(double, bitrate);
    QFETCH(QString, count);
    QFETCH(QString, periodButton);
    QFETCH(QString, hoursPerDay);
    QFETCH(QStringList, expected);

    CalculatorPage p;
    p.click("m_btnOFF");
    p.page.OnDeviceChanged(bitrate);
    p.click(qPrintable(periodButton));
    p.type(p.find<QSpinBox>("m_spinBoxDailyTime"), hoursPerDay);
    p.clearSpies();
    p.type(p.find<QLineEdit>("m_lineEditSaveTime"), count);

    QCOMPARE(p.find<QLineEdit>("m_lineEditSaveTime")->text(), count);
    QVERIFY(!p.size.isEmpty());
    QCOMPARE(lastTexts(p.size), expected);
    QCOMPARE(p.time.count(), 0);
}

void TestCalculatorPage::zeroBitrate_data()
{
    QTest::addColumn<double>("bitrate");
    QTest::addColumn<QStringList>("expectedSize");
    QTest::addColumn<QStringList>("expectedTime");

    QTest::newRow("0") << 0.0 << kZeroSize << kZeroTime;
    QTest::newRow("just under the tolerance") << 9.9e-7 << kZeroSize << kZeroTime;
    QTest::newRow("just under the tolerance, negative") << -9.9e-7 << kZeroSize << kZeroTime;
    // At the tolerance the formulas run: a tiny positive size rounds up to
    // 1 GB, and a disk lasts longer than any period shown.
    QTest::newRow("at the tolerance") << 1e-6 << QStringList{"1", "GB"} << kMoreTime;
}

void TestCalculatorPage::zeroBitrate()
{
    QFETCH(double, bitrate);
    QFETCH(QStringList, expectedSize);
    QFETCH(QStringList, expectedTime);

    CalculatorPage p;
    p.page.OnDeviceChanged(4096.0);
    p.click("m_btnOFF");
    p.clearSpies();

    p.page.OnDeviceChanged(bitrate);
    QCOMPARE(p.size.count(), 1);
    QCOMPARE(texts(p.size.first()), expectedSize);
    QCOMPARE(p.time.count(), 0);

    p.clearSpies();
    p.click("m_btnON");
    QCOMPARE(p.time.count(), 1);
    QCOMPARE(texts(p.time.first()), expectedTime);
    QCOMPARE(p.size.count(), 0);
}

void TestCalculatorPage::unitToggleComputesOncePerButton()
{
    CalculatorPage p;
    p.page.OnDeviceChanged(4096.0);
    p.type(p.find<QLineEdit>("m_lineEditGT"), QStringLiteral("4000"));
    QCOMPARE(lastTexts(p.time), kMoreTime); // 4000 TB is more than ten years

    // Each button's toggled runs the calculation, and both see GB chosen.
    p.clearSpies();
    p.click("m_radioBtnGB");
    QCOMPARE(p.time.count(), 2);
    QCOMPARE(texts(p.time.at(0)), (QStringList{"88", "12", "2"}));
    QCOMPARE(texts(p.time.at(1)), (QStringList{"88", "12", "2"}));

    p.clearSpies();
    p.click("m_radioBtnTB");
    QCOMPARE(p.time.count(), 2);
    QCOMPARE(texts(p.time.at(0)), kMoreTime);
    QCOMPARE(texts(p.time.at(1)), kMoreTime);
}

void TestCalculatorPage::sliderAndSpinBoxStayInStep()
{
    CalculatorPage p;
    p.page.OnDeviceChanged(4096.0);
    auto *slider = p.find<QSlider>("m_horizontalSliderTime");
    auto *spinBox = p.find<QSpinBox>("m_spinBoxTime");
    p.clearSpies();

    QTest::keyClick(slider, Qt::Key_Home);
    QCOMPARE(slider->value(), 0);
    QCOMPARE(spinBox->value(), 0);
    QCOMPARE(p.time.count(), 1);
    QCOMPARE(texts(p.time.first()), kZeroTime);

    p.type(spinBox, QStringLiteral("12"));
    QCOMPARE(slider->value(), 12);
    QCOMPARE(lastTexts(p.time), (QStringList{"176", "25", "5"}));

    p.click("m_btnOFF");
    auto *dailySlider = p.find<QSlider>("m_hSliderDailyTime");
    auto *dailySpinBox = p.find<QSpinBox>("m_spinBoxDailyTime");
    p.clearSpies();
    QTest::keyClick(dailySlider, Qt::Key_PageDown); // one page step of 2
    QCOMPARE(dailySpinBox->value(), 22);
    QCOMPARE(p.size.count(), 1);
    p.type(dailySpinBox, QStringLiteral("6"));
    QCOMPARE(dailySlider->value(), 6);
    QCOMPARE(p.time.count(), 0);
}

void TestCalculatorPage::hiddenPageKeepsItsTexts()
{
    CalculatorPage p;
    p.page.OnDeviceChanged(4096.0);
    p.click("m_btnOFF");
    const QString dayText = p.labelText("m_labelByDay");
    QVERIFY(dayText.contains(QStringLiteral(">88<")));
    p.clearSpies();

    p.page.OnDeviceChanged(2048.0);
    QCOMPARE(p.size.count(), 1);
    QCOMPARE(texts(p.size.first()), (QStringList{"160", "GB"}));
    QCOMPARE(p.time.count(), 0);
    QCOMPARE(p.labelText("m_labelByDay"), dayText);

    p.click("m_btnON");
    QCOMPARE(p.time.count(), 1);
    QCOMPARE(texts(p.time.first()), (QStringList{"176", "25", "5"}));
    QVERIFY(p.labelText("m_labelDisplaySize").contains(QStringLiteral(">160<")));
}

void TestCalculatorPage::pressingTheSelectedSideDoesNothing()
{
    CalculatorPage p;
    p.page.OnDeviceChanged(4096.0);
    p.clearSpies();
    p.click("m_btnON");
    QCOMPARE(p.time.count(), 0);
    QCOMPARE(p.size.count(), 0);
    QCOMPARE(p.find<QStackedWidget>("m_tabWidgetSections")->currentIndex(), 0);
    QVERIFY(p.find<QPushButton>("m_btnON")->isChecked());

    p.click("m_btnOFF");
    p.clearSpies();
    p.click("m_btnOFF");
    QCOMPARE(p.time.count(), 0);
    QCOMPARE(p.size.count(), 0);
    QCOMPARE(p.find<QStackedWidget>("m_tabWidgetSections")->currentIndex(), 1);
}

void TestCalculatorPage::fieldsAcceptOnlyWhatTheValidatorsLetThrough_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("disk size: letters are refused") << "m_lineEditGT" << "4a.b" << "4";
    QTest::newRow("disk size: no sign") << "m_lineEditGT" << "-3" << "3";
    QTest::newRow("disk size: at most five digits") << "m_lineEditGT" << "123456" << "12345";
    QTest::newRow("save time: letters are refused") << "m_lineEditSaveTime" << "x7" << "7";
    QTest::newRow("save time: four digits are too many") << "m_lineEditSaveTime" << "3650" << "365";
}

void TestCalculatorPage::fieldsAcceptOnlyWhatTheValidatorsLetThrough()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    CalculatorPage p;
    auto *edit = p.find<QLineEdit>(qPrintable(field));
    p.type(edit, typed);
    QCOMPARE(edit->text(), shown);
}

QTEST_MAIN(TestCalculatorPage)
#include "tst_calculatorpage.moc"
