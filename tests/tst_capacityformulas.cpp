#include "calc/capacityinputs.h"
#include "calc/capacityresults.h"
#include "data/bitratecalculator.h"
#include "data/capacityformulas.h"
#include "platform/targetpath.h"

#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <limits>

// The two capacity formulas and the texts their results become. Expected
// figures are the worked examples of the planner's arithmetic; exact rows pin
// results that a reordering of the operations would move by one bit.
class TestCapacityFormulas final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void diskSize_data();
    void diskSize();
    void diskSizeExactOrder_data();
    void diskSizeExactOrder();
    void recordHours_data();
    void recordHours();
    void diskSizeText_data();
    void diskSizeText();
    void recordTimeText_data();
    void recordTimeText();
    void nearlyNoBitrateIsNoResult_data();
    void nearlyNoBitrateIsNoResult();
    void diskSizeField_data();
    void diskSizeField();
    void diskSizeFieldText_data();
    void diskSizeFieldText();
    void planDiskSize_data();
    void planDiskSize();

private:
    // The calculator looks for its data beside the executable; an empty
    // folder keeps the tests independent of any staged files.
    QTemporaryDir m_emptyDataDir;
};

void TestCapacityFormulas::initTestCase()
{
    QVERIFY(m_emptyDataDir.isValid());
    OrvaneGUIToolkit::SetTargetPathOverride(m_emptyDataDir.path());
}

void TestCapacityFormulas::cleanupTestCase()
{
    OrvaneGUIToolkit::SetTargetPathOverride(QString());
}

void TestCapacityFormulas::diskSize_data()
{
    QTest::addColumn<double>("totalBitrate");
    QTest::addColumn<int>("recordHours");
    QTest::addColumn<double>("expectedGB");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("unit");

    QTest::newRow("4096 kbps, 1 week at 24 h → 319 GB") << 4096.0 << 168 << 318.0435 << "319" << "GB";
    QTest::newRow("65536 kbps, 1 week at 24 h → 6 TB") << 65536.0 << 168 << 5088.6962 << "6" << "TB";
    QTest::newRow("2048 kbps, 1 day at 24 h → 23 GB") << 2048.0 << 24 << 22.7174 << "23" << "GB";
    QTest::newRow("no bitrate → 0 GB") << 0.0 << 168 << 0.0 << "0" << "GB";
    QTest::newRow("no hours → 0 GB") << 4096.0 << 0 << 0.0 << "0" << "GB";
    QTest::newRow("1 kbps, 1 hour → 1 GB") << 1.0 << 1 << 0.000462 << "1" << "GB";
    QTest::newRow("4096 kbps, 1 month at 8 h → 455 GB") << 4096.0 << 240 << 454.3479 << "455" << "GB";
    QTest::newRow("fractional total 1228.8 kbps, 1 week at 24 h → 96 GB")
        << 1228.8 << 168 << 95.4131 << "96" << "GB";
}

void TestCapacityFormulas::diskSize()
{
    QFETCH(double, totalBitrate);
    QFETCH(int, recordHours);
    QFETCH(double, expectedGB);
    QFETCH(QString, size);
    QFETCH(QString, unit);

    const double gb = CapacityFormulas::diskSize(totalBitrate, recordHours);
    QCOMPARE(BitrateCalculator().calculateDiskSize(totalBitrate, recordHours), gb);
    QVERIFY2(std::abs(gb - expectedGB) < 5e-5, qPrintable(QString::number(gb, 'f', 6)));

    const DiskSizeText text = toDiskSizeResult(gb);
    QCOMPARE(text.size, size);
    QCOMPARE(text.unit, unit);
}

void TestCapacityFormulas::diskSizeExactOrder_data()
{
    QTest::addColumn<double>("totalBitrate");
    QTest::addColumn<int>("recordHours");
    QTest::addColumn<double>("exactGB");

    // Applying the size factor before the reserve factor gives one bit more
    // (124416.00000000001), which ceil turns into another whole GB.
    QTest::newRow("124625 kbps, 90 days at 24 h → exactly 124416 GB") << 124625.0 << 2160 << 124416.0;
    QTest::newRow("124625 kbps, 360 days at 24 h → exactly 497664 GB") << 124625.0 << 8640 << 497664.0;
    QTest::newRow("249250 kbps, 90 days at 24 h → exactly 248832 GB") << 249250.0 << 2160 << 248832.0;
}

void TestCapacityFormulas::diskSizeExactOrder()
{
    QFETCH(double, totalBitrate);
    QFETCH(int, recordHours);
    QFETCH(double, exactGB);

    const double gb = CapacityFormulas::diskSize(totalBitrate, recordHours);
    QVERIFY2(gb == exactGB, qPrintable(QString::number(gb, 'g', 17)));
}

void TestCapacityFormulas::recordHours_data()
{
    QTest::addColumn<double>("totalBitrate");
    QTest::addColumn<double>("diskSizeGB");
    QTest::addColumn<int>("hoursPerDay");
    QTest::addColumn<double>("expectedHours");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("week");
    QTest::addColumn<QString>("month");

    QTest::newRow("4096 kbps, 4 TB at 24 h → 88 d 12 w 2 m")
        << 4096.0 << 4000.0 << 24 << 2112.9184 << "88" << "12" << "2";
    QTest::newRow("2048 kbps, 1000 GB at 24 h → 44 d 6 w 1 m")
        << 2048.0 << 1000.0 << 24 << 1056.4592 << "44" << "6" << "1";
    QTest::newRow("65536 kbps, 4 TB at 24 h → 5 d 0 w 0 m")
        << 65536.0 << 4000.0 << 24 << 132.0574 << "5" << "0" << "0";
    QTest::newRow("4096 kbps, 4 TB at 8 h → 264 d 37 w 8 m")
        << 4096.0 << 4000.0 << 8 << 2112.9184 << "264" << "37" << "8";
    QTest::newRow("4096 kbps, 1 GB at 24 h → under a day")
        << 4096.0 << 1.0 << 24 << 0.5282 << "0" << "0" << "0";
    QTest::newRow("1 kbps, 100 TB at 24 h → more than 3650 days")
        << 1.0 << 100000.0 << 24 << 216362847.2222 << ">3650" << ">521" << ">121";
}

void TestCapacityFormulas::recordHours()
{
    QFETCH(double, totalBitrate);
    QFETCH(double, diskSizeGB);
    QFETCH(int, hoursPerDay);
    QFETCH(double, expectedHours);
    QFETCH(QString, day);
    QFETCH(QString, week);
    QFETCH(QString, month);

    const double hours = CapacityFormulas::recordHours(totalBitrate, diskSizeGB);
    QCOMPARE(BitrateCalculator().calculateRecordHours(totalBitrate, diskSizeGB), hours);
    QVERIFY2(std::abs(hours - expectedHours) <= std::max(5e-5, expectedHours * 1e-8),
             qPrintable(QString::number(hours, 'f', 6)));

    const RecordTimeText text = toRecordTimeResult(hours, hoursPerDay);
    QCOMPARE(text.day, day);
    QCOMPARE(text.week, week);
    QCOMPARE(text.month, month);
}

void TestCapacityFormulas::diskSizeText_data()
{
    QTest::addColumn<double>("diskSizeGB");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<bool>("moreThan");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();

    QTest::newRow("0 GB → 0 GB") << 0.0 << "0" << "GB" << false;
    QTest::newRow("0.0001 GB → 1 GB") << 0.0001 << "1" << "GB" << false;
    QTest::newRow("318.0435 GB → 319 GB") << 318.0435 << "319" << "GB" << false;
    QTest::newRow("999.3 GB → 1000 GB") << 999.3 << "1000" << "GB" << false;
    QTest::newRow("1000.0 GB → 1000 GB") << 1000.0 << "1000" << "GB" << false;
    QTest::newRow("1000.01 GB → 2 TB") << 1000.01 << "2" << "TB" << false;
    QTest::newRow("1000.2 GB → 2 TB, rounded up twice") << 1000.2 << "2" << "TB" << false;
    QTest::newRow("2000.0 GB → 2 TB") << 2000.0 << "2" << "TB" << false;
    QTest::newRow("2000.5 GB → 3 TB") << 2000.5 << "3" << "TB" << false;
    QTest::newRow("5088.6962 GB → 6 TB") << 5088.6962 << "6" << "TB" << false;
    QTest::newRow("50,000,000 GB → 50000 TB") << 50000000.0 << "50000" << "TB" << false;
    QTest::newRow("49,999,999.5 GB → 50000 TB") << 49999999.5 << "50000" << "TB" << false;
    QTest::newRow("50,000,000.5 GB → more than 50000 TB") << 50000000.5 << ">50000" << "TB" << true;
    QTest::newRow("50,000,001 GB → more than 50000 TB") << 50000001.0 << ">50000" << "TB" << true;
    QTest::newRow("2147483647 GB → more than 50000 TB") << 2147483647.0 << ">50000" << "TB" << true;
    QTest::newRow("2147483648 GB, beyond 32 bits → more than 50000 TB") << 2147483648.0 << ">50000" << "TB" << true;
    QTest::newRow("1e300 GB → more than 50000 TB") << 1e300 << ">50000" << "TB" << true;
    QTest::newRow("infinity → more than 50000 TB") << inf << ">50000" << "TB" << true;
    QTest::newRow("-0.5 GB → ceil is 0, 0 GB") << -0.5 << "0" << "GB" << false;
    QTest::newRow("-1.5 GB → negative, 0 GB") << -1.5 << "0" << "GB" << false;
    QTest::newRow("NaN → 0 GB") << nan << "0" << "GB" << false;
}

void TestCapacityFormulas::diskSizeText()
{
    QFETCH(double, diskSizeGB);
    QFETCH(QString, size);
    QFETCH(QString, unit);
    QFETCH(bool, moreThan);

    const DiskSizeText text = toDiskSizeResult(diskSizeGB);
    QCOMPARE(text.size, size);
    QCOMPARE(text.unit, unit);
    QCOMPARE(text.moreThan, moreThan);
    // The figure shown, as a number, for what builds on it (the drives it takes).
    QCOMPARE(text.gigabytes, moreThan ? 0 : size.toLongLong() * (unit == QLatin1String("TB") ? 1000 : 1));
}

void TestCapacityFormulas::recordTimeText_data()
{
    QTest::addColumn<double>("recordHours");
    QTest::addColumn<int>("hoursPerDay");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("week");
    QTest::addColumn<QString>("month");
    QTest::addColumn<bool>("moreThan");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();

    QTest::newRow("88.04 days → 88 d 12 w 2 m") << 88.04 * 24 << 24 << "88" << "12" << "2" << false;
    QTest::newRow("3650.9 days → 3650 d 521 w 121 m") << 3650.9 * 24 << 24 << "3650" << "521" << "121" << false;
    QTest::newRow("3651.0 days → more than 3650 d 521 w 121 m") << 3651.0 * 24 << 24 << ">3650" << ">521" << ">121" << true;
    QTest::newRow("0.99 days → all 0 through the normal path") << 0.99 * 24 << 24 << "0" << "0" << "0" << false;
    QTest::newRow("exactly 7 days → 1 week") << 168.0 << 24 << "7" << "1" << "0" << false;
    QTest::newRow("6.99 days → 0 weeks") << 6.99 * 24 << 24 << "6" << "0" << "0" << false;
    QTest::newRow("exactly 30 days → 1 month") << 720.0 << 24 << "30" << "4" << "1" << false;
    QTest::newRow("29.99 days → 0 months") << 29.99 * 24 << 24 << "29" << "4" << "0" << false;
    QTest::newRow("100 hours at 1 h a day → 100 days") << 100.0 << 1 << "100" << "14" << "3" << false;
    QTest::newRow("100 hours at 8 h a day → 12.5 days") << 100.0 << 8 << "12" << "1" << "0" << false;
    QTest::newRow("-12 hours → half a negative day, truncated to 0") << -12.0 << 24 << "0" << "0" << "0" << false;
    QTest::newRow("-24 hours → negative day, all 0") << -24.0 << 24 << "0" << "0" << "0" << false;
    QTest::newRow("1e300 hours, beyond every integer → more than") << 1e300 << 24 << ">3650" << ">521" << ">121" << true;
    QTest::newRow("NaN hours → all 0") << nan << 24 << "0" << "0" << "0" << false;
    QTest::newRow("infinite hours → more than") << inf << 24 << ">3650" << ">521" << ">121" << true;
}

void TestCapacityFormulas::recordTimeText()
{
    QFETCH(double, recordHours);
    QFETCH(int, hoursPerDay);
    QFETCH(QString, day);
    QFETCH(QString, week);
    QFETCH(QString, month);

    QFETCH(bool, moreThan);

    const RecordTimeText text = toRecordTimeResult(recordHours, hoursPerDay);
    QCOMPARE(text.day, day);
    QCOMPARE(text.week, week);
    QCOMPARE(text.month, month);
    QCOMPARE(text.moreThan, moreThan);
}

void TestCapacityFormulas::nearlyNoBitrateIsNoResult_data()
{
    QTest::addColumn<double>("totalBitrate");
    QTest::addColumn<bool>("noResult");

    QTest::newRow("0 kbps") << 0.0 << true;
    QTest::newRow("0.0000005 kbps") << 5e-7 << true;
    QTest::newRow("-0.0000005 kbps") << -5e-7 << true;
    QTest::newRow("0.000001 kbps") << 1e-6 << false;
}

// Both results, on screen and in the report, treat a total this close to 0
// as nothing to record, rather than a 1 GB disk or a disk that lasts forever.
void TestCapacityFormulas::nearlyNoBitrateIsNoResult()
{
    QFETCH(double, totalBitrate);
    QFETCH(bool, noResult);

    const DiskSizeText size = diskSizeResult(totalBitrate, 1, PeriodUnit::Day, 24);
    QCOMPARE(size.size == QLatin1String("0") && size.unit == QLatin1String("GB"), noResult);
    const RecordTimeText time = recordTimeResult(totalBitrate, 4, DiskUnit::TB, 24);
    QCOMPARE(time.day == QLatin1String("0") && !time.moreThan, noResult);
}

Q_DECLARE_METATYPE(DiskUnit)
Q_DECLARE_METATYPE(DiskSizeTextState)

void TestCapacityFormulas::diskSizeField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<DiskUnit>("unit");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<DiskSizeTextState>("state");
    QTest::addColumn<double>("size");

    const auto TB = DiskUnit::TB;
    const auto GB = DiskUnit::GB;
    const auto ok = DiskSizeTextState::Acceptable;
    const auto waits = DiskSizeTextState::Intermediate;
    const auto refused = DiskSizeTextState::Invalid;
    QTest::newRow("7.5 TB is 7.5, not 75") << "7.5" << TB << "en_US" << ok << 7.5;
    QTest::newRow("7.5 TB in Chinese, which uses the point") << "7.5" << TB << "zh_CN" << ok << 7.5;
    QTest::newRow("7,5 TB where the comma is the decimal separator") << "7,5" << TB << "de_DE" << ok << 7.5;
    QTest::newRow("7.5 TB there too: the point is always one") << "7.5" << TB << "de_DE" << ok << 7.5;
    QTest::newRow("7,5 where the comma groups: no 75") << "7,5" << TB << "en_US" << waits << 0.0;
    QTest::newRow("12,500 grouped in threes") << "12,500" << GB << "en_US" << ok << 12500.0;
    QTest::newRow("1,000.25 TB") << "1,000.25" << TB << "zh_CN" << ok << 1000.25;
    QTest::newRow("three decimals") << "0.001" << TB << "en_US" << ok << 0.001;
    QTest::newRow("four decimals are refused") << "0.0001" << TB << "en_US" << refused << 0.0;
    QTest::newRow("two points are refused") << "1.2.3" << TB << "en_US" << refused << 0.0;
    QTest::newRow("7. reads as 7") << "7." << TB << "en_US" << ok << 7.0;
    QTest::newRow(".5 reads as 0.5") << ".5" << TB << "en_US" << ok << 0.5;
    QTest::newRow("a point alone waits") << "." << TB << "en_US" << waits << 0.0;
    QTest::newRow("empty waits, reads as 0") << "" << TB << "en_US" << waits << 0.0;
    QTest::newRow("GB with decimals waits: GB are whole") << "7.5" << GB << "en_US" << waits << 0.0;
    QTest::newRow("GB whole") << "320" << GB << "en_US" << ok << 320.0;
    QTest::newRow("+4 with a sign") << "+4" << TB << "en_US" << ok << 4.0;
    QTest::newRow("no minus") << "-4" << TB << "en_US" << refused << 0.0;
    QTest::newRow("letters are refused") << "4a" << TB << "en_US" << refused << 0.0;
    QTest::newRow("50000 TB, the largest") << "50000" << TB << "en_US" << ok << 50000.0;
    QTest::newRow("50000.001 TB is past it") << "50000.001" << TB << "en_US" << refused << 0.0;
    QTest::newRow("50001 GB is past it") << "50001" << GB << "en_US" << refused << 0.0;
    QTest::newRow("six digits are refused") << "000001" << GB << "en_US" << refused << 0.0;
}

void TestCapacityFormulas::diskSizeField()
{
    QFETCH(QString, text);
    QFETCH(DiskUnit, unit);
    QFETCH(QString, locale);
    QFETCH(DiskSizeTextState, state);
    QFETCH(double, size);

    const DiskSizeReading reading = readDiskSize(text, unit, QLocale(locale));
    QCOMPARE(reading.state, state);
    QCOMPARE(reading.size, size);
}

void TestCapacityFormulas::diskSizeFieldText_data()
{
    QTest::addColumn<double>("size");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole: as before") << 4.0 << "en_US" << "4";
    QTest::newRow("no group separator") << 43200.0 << "en_US" << "43200";
    QTest::newRow("decimals without trailing zeros") << 7.5 << "zh_CN" << "7.5";
    QTest::newRow("three decimals") << 1234.567 << "en_US" << "1234.567";
    QTest::newRow("the language's separator") << 7.25 << "de_DE" << "7,25";
    QTest::newRow("zero") << 0.0 << "en_US" << "0";
}

void TestCapacityFormulas::diskSizeFieldText()
{
    QFETCH(double, size);
    QFETCH(QString, locale);
    QFETCH(QString, text);

    QCOMPARE(::diskSizeFieldText(size, QLocale(locale)), text);
    // What the field shows, it reads back.
    QCOMPARE(readDiskSize(text, DiskUnit::TB, QLocale(locale)).size, size);
}

void TestCapacityFormulas::planDiskSize_data()
{
    QTest::addColumn<double>("size");
    QTest::addColumn<DiskUnit>("unit");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<double>("inGB"); // the field's figure once the unit is GB

    QTest::newRow("7.123 TB, a binary fraction off") << 7.123 << DiskUnit::TB << true << 7.0;
    QTest::newRow("7.1234 TB") << 7.1234 << DiskUnit::TB << false << 7.0;
    QTest::newRow("7.5 TB rounds to 8 in GB") << 7.5 << DiskUnit::TB << true << 8.0;
    QTest::newRow("7.4995 TB") << 7.4995 << DiskUnit::TB << false << 7.0;
    QTest::newRow("7.5 GB") << 7.5 << DiskUnit::GB << false << 8.0;
    QTest::newRow("50000 GB") << 50000.0 << DiskUnit::GB << true << 50000.0;
    QTest::newRow("50000.5 TB is past the largest") << 50000.5 << DiskUnit::TB << false << 50001.0;
    QTest::newRow("below 0") << -1.0 << DiskUnit::TB << false << -1.0;
}

void TestCapacityFormulas::planDiskSize()
{
    QFETCH(double, size);
    QFETCH(DiskUnit, unit);
    QFETCH(bool, taken);
    QFETCH(double, inGB);

    QCOMPARE(isFieldDiskSize(size, unit), taken);
    QCOMPARE(fieldDiskSize(size, DiskUnit::GB), inGB);
}

QTEST_GUILESS_MAIN(TestCapacityFormulas)
#include "tst_capacityformulas.moc"
