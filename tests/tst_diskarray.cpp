#include "calc/diskarray.h"

#include <QTest>

#include <cmath>

// The array rules: what a set of drives gives, the smallest set that holds a
// size, what goes into the disk-size field, and the texts that show a set.

Q_DECLARE_METATYPE(RaidLevel)
Q_DECLARE_METATYPE(DiskArrayFault)

namespace {

using Faults = QVector<DiskArrayFault>;
using F = DiskArrayFault;
using L = RaidLevel;

DiskArraySetup array(RaidLevel level, int drives, int driveGB = 8000, int spares = 0, int fill = 100,
                     int groups = 2)
{
    return {drives, driveGB, level, groups, spares, fill};
}

} // namespace

Q_DECLARE_METATYPE(DiskArraySetup)

class TestDiskArray final : public QObject
{
    Q_OBJECT

private slots:
    void capacity_data();
    void capacity();
    void drivesNeeded_data();
    void drivesNeeded();
    void dropUnusableSpares_data();
    void dropUnusableSpares();
    void diskSizeEntry_data();
    void diskSizeEntry();
    void texts_data();
    void texts();
};

void TestDiskArray::capacity_data()
{
    QTest::addColumn<DiskArraySetup>("setup");
    QTest::addColumn<int>("data");
    QTest::addColumn<int>("redundant");
    QTest::addColumn<qint64>("usableGB");
    QTest::addColumn<Faults>("faults");

    auto ok = [](const char *name, DiskArraySetup setup, int data, int redundant, qint64 usableGB) {
        QTest::newRow(name) << setup << data << redundant << usableGB << Faults();
    };
    auto refused = [](const char *name, DiskArraySetup setup, Faults faults) {
        QTest::newRow(name) << setup << 0 << 0 << qint64(0) << faults;
    };

    ok("single drive: 1 × 8 TB", array(L::Single, 1), 1, 0, 8000);
    refused("JBOD with a spare: nothing to rebuild onto it", array(L::Single, 3, 8000, 1),
            {F::SparesNotRebuilt});
    refused("RAID 0 with a spare: nothing to rebuild onto it", array(L::Raid0, 5, 8000, 1),
            {F::SparesNotRebuilt});
    refused("RAID 0, as many spares as drives: the count is said first", array(L::Raid0, 2, 8000, 2),
            {F::SparesOutOfRange});
    refused("RAID 0 of 1 drive", array(L::Raid0, 1), {F::TooFewDrives});
    ok("RAID 0 of 2, the fewest", array(L::Raid0, 2), 2, 0, 16000);
    ok("RAID 0 of 64, the most", array(L::Raid0, 64), 64, 0, 512000);
    refused("65 drives", array(L::Raid0, 65), {F::TooManyDrives});
    refused("0 drives", array(L::Raid5, 0), {F::NoDrives});
    ok("RAID 1 of a pair", array(L::Raid1, 2), 1, 1, 8000);
    refused("RAID 1 of 1", array(L::Raid1, 1), {F::NotAPair});
    refused("RAID 1 of 3", array(L::Raid1, 3), {F::NotAPair});
    ok("RAID 1, a pair and a spare", array(L::Raid1, 3, 8000, 1), 1, 1, 8000);
    refused("RAID 5 of 2", array(L::Raid5, 2), {F::TooFewDrives});
    ok("RAID 5 of 3, the fewest", array(L::Raid5, 3), 2, 1, 16000);
    ok("RAID 5 of 32, the most in a set", array(L::Raid5, 32), 31, 1, 248000);
    refused("RAID 5 of 33", array(L::Raid5, 33), {F::TooManyInSet});
    ok("RAID 5 of 33 with a spare: 32 in the set", array(L::Raid5, 33, 8000, 1), 31, 1, 248000);
    refused("RAID 5 of 4 with 2 spares leaves 2", array(L::Raid5, 4, 8000, 2), {F::TooFewDrives});
    refused("RAID 6 of 3", array(L::Raid6, 3), {F::TooFewDrives});
    ok("RAID 6 of 4, the fewest", array(L::Raid6, 4), 2, 2, 16000);
    ok("RAID 6 of 32", array(L::Raid6, 32), 30, 2, 240000);
    refused("RAID 6 of 33", array(L::Raid6, 33), {F::TooManyInSet});
    refused("RAID 10 of 2", array(L::Raid10, 2), {F::TooFewDrives});
    ok("RAID 10 of 4, the fewest", array(L::Raid10, 4), 2, 2, 16000);
    refused("RAID 10 of 5, odd", array(L::Raid10, 5), {F::OddDrives});
    ok("RAID 10 of 5 with a spare", array(L::Raid10, 5, 8000, 1), 2, 2, 16000);
    ok("RAID 10 of 64", array(L::Raid10, 64), 32, 32, 256000);
    refused("RAID 50, 2 groups of 5 drives", array(L::Raid50, 5), {F::TooFewDrives});
    ok("RAID 50, 2 groups of 3, the fewest", array(L::Raid50, 6), 4, 2, 32000);
    refused("RAID 50, 7 drives in 2 groups", array(L::Raid50, 7), {F::UnevenGroups});
    ok("RAID 50, 3 groups of 3", array(L::Raid50, 9, 8000, 0, 100, 3), 6, 3, 48000);
    refused("RAID 50 of 1 group", array(L::Raid50, 6, 8000, 0, 100, 1), {F::GroupsOutOfRange});
    refused("RAID 50 of 17 groups", array(L::Raid50, 51, 8000, 0, 100, 17), {F::GroupsOutOfRange});
    ok("RAID 50, 16 groups of 4", array(L::Raid50, 64, 8000, 0, 100, 16), 48, 16, 384000);
    refused("RAID 60, 2 groups of 7 drives", array(L::Raid60, 7), {F::TooFewDrives});
    ok("RAID 60, 2 groups of 4, the fewest", array(L::Raid60, 8), 4, 4, 32000);
    ok("RAID 60, 2 groups of 32", array(L::Raid60, 64), 60, 4, 480000);
    refused("RAID 60, 3 groups need 12", array(L::Raid60, 11, 8000, 0, 100, 3), {F::TooFewDrives});
    ok("groups count only in RAID 50 and 60", array(L::Raid5, 6, 8000, 0, 100, 1), 5, 1, 40000);
    refused("as many spares as drives", array(L::Raid5, 4, 8000, 4), {F::SparesOutOfRange});
    refused("more spares than drives", array(L::Raid5, 3, 8000, 5), {F::SparesOutOfRange});
    refused("negative spares", array(L::Raid5, 4, 8000, -1), {F::SparesOutOfRange});
    ok("RAID 5 of 6 at 90 %: 5 × 8 TB × 0.9", array(L::Raid5, 6, 8000, 0, 90), 5, 1, 36000);
    ok("fill limit 1 %", array(L::Raid0, 2, 8000, 0, 1), 2, 0, 160);
    refused("fill limit 0 %", array(L::Raid0, 2, 8000, 0, 0), {F::FillOutOfRange});
    refused("fill limit 101 %", array(L::Raid0, 2, 8000, 0, 101), {F::FillOutOfRange});
    ok("3 × 1.2 TB is 3600 GB exactly", array(L::Raid0, 3, 1200), 3, 0, 3600);
    refused("drive size 0", array(L::Raid5, 4, 0), {F::NoDriveSize});
    ok("200 TB drives, the largest", array(L::Single, 1, 200000), 1, 0, 200000);
    refused("200.001 TB drives", array(L::Single, 1, 200001), {F::DriveTooLarge});
    refused("every input wrong at once", DiskArraySetup{0, 0, L::Raid50, 1, -1, 0},
            {F::NoDrives, F::NoDriveSize, F::FillOutOfRange, F::GroupsOutOfRange, F::SparesOutOfRange});
    refused("odd RAID 10 of drives without a size", array(L::Raid10, 5, 0),
            {F::NoDriveSize, F::OddDrives});
}

void TestDiskArray::capacity()
{
    QFETCH(DiskArraySetup, setup);
    QFETCH(int, data);
    QFETCH(int, redundant);
    QFETCH(qint64, usableGB);
    QFETCH(Faults, faults);

    const DiskArrayCapacity capacity = diskArrayCapacity(setup);
    QCOMPARE(capacity.faults, faults);
    QCOMPARE(capacity.isPossible(), faults.isEmpty());
    QCOMPARE(capacity.dataDrives, data);
    QCOMPARE(capacity.redundantDrives, redundant);
    QCOMPARE(capacity.usableCentiGB, usableGB * 100);
}

void TestDiskArray::drivesNeeded_data()
{
    QTest::addColumn<qint64>("neededGB");
    QTest::addColumn<DiskArraySetup>("given");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("drives");

    const int found = DrivesNeeded::Found;
    const int beyond = DrivesNeeded::BeyondLimits;
    const int impossible = DrivesNeeded::Impossible;
    // The given drive count plays no part.
    QTest::newRow("40 TB in RAID 5 of 8 TB: 5 data + 1 parity")
        << qint64(40000) << array(L::Raid5, 20) << found << 6;
    QTest::newRow("40.001 TB takes one drive more") << qint64(40001) << array(L::Raid5, 3) << found << 7;
    QTest::newRow("0 GB: the fewest the level takes") << qint64(0) << array(L::Raid6, 9) << found << 4;
    QTest::newRow("a spare comes on top") << qint64(40000) << array(L::Raid5, 3, 8000, 1) << found << 7;
    QTest::newRow("90 % fill: 6 data × 7.2 TB") << qint64(40000) << array(L::Raid5, 3, 8000, 0, 90)
                                               << found << 7;
    QTest::newRow("RAID 10 rounds up to pairs") << qint64(20000) << array(L::Raid10, 4) << found << 6;
    QTest::newRow("RAID 50 in 2 equal groups") << qint64(40000) << array(L::Raid50, 6) << found << 8;
    QTest::newRow("RAID 60 in 3 groups: at least 12")
        << qint64(1000) << array(L::Raid60, 12, 8000, 0, 100, 3) << found << 12;
    QTest::newRow("RAID 1 holds one drive") << qint64(8000) << array(L::Raid1, 2) << found << 2;
    QTest::newRow("RAID 1 cannot grow") << qint64(8001) << array(L::Raid1, 2) << beyond << 2;
    QTest::newRow("RAID 5 past 32 drives") << qint64(300000) << array(L::Raid5, 3) << beyond << 32;
    QTest::newRow("RAID 0 past 64 drives") << qint64(600000) << array(L::Raid0, 3) << beyond << 64;
    QTest::newRow("RAID 5 with 61 spares: 3 + 61 is the largest")
        << qint64(1000000) << array(L::Raid5, 3, 8000, 61) << beyond << 64;
    QTest::newRow("no drive size") << qint64(1000) << array(L::Raid5, 3, 0) << impossible << 64;
    QTest::newRow("RAID 5 with 62 spares") << qint64(1000) << array(L::Raid5, 3, 8000, 62) << impossible << 64;
    QTest::newRow("RAID 0 with a spare") << qint64(1000) << array(L::Raid0, 3, 8000, 1) << impossible << 64;
}

void TestDiskArray::drivesNeeded()
{
    QFETCH(qint64, neededGB);
    QFETCH(DiskArraySetup, given);
    QFETCH(int, outcome);
    QFETCH(int, drives);

    const DrivesNeeded needed = ::drivesNeeded(neededGB, given);
    QCOMPARE(int(needed.outcome), outcome);
    QCOMPARE(needed.array.drives, drives);
    DiskArraySetup sameInputs = given;
    sameInputs.drives = drives;
    QCOMPARE(needed.array, sameInputs);
    // What it reports is what the set gives, judged by the same rules.
    const DiskArrayCapacity capacity = diskArrayCapacity(needed.array);
    QCOMPARE(needed.capacity.faults, capacity.faults);
    QCOMPARE(needed.capacity.usableCentiGB, capacity.usableCentiGB);
    QCOMPARE(capacity.isPossible(), outcome != DrivesNeeded::Impossible);
    QCOMPARE(capacity.usableCentiGB >= neededGB * 100, outcome == DrivesNeeded::Found);
    if (outcome == DrivesNeeded::Found) {
        // One drive fewer never holds it.
        DiskArraySetup smaller = needed.array;
        for (smaller.drives = 1; smaller.drives < drives; ++smaller.drives) {
            const DiskArrayCapacity less = diskArrayCapacity(smaller);
            QVERIFY(!less.isPossible() || less.usableCentiGB < neededGB * 100);
        }
    }
}

void TestDiskArray::dropUnusableSpares_data()
{
    QTest::addColumn<DiskArraySetup>("saved");
    QTest::addColumn<DiskArraySetup>("opened");
    QTest::addColumn<int>("dropped");

    QTest::newRow("RAID 0 of 4 and a spare: the 4 stay")
        << array(L::Raid0, 5, 8000, 1) << array(L::Raid0, 4) << 1;
    QTest::newRow("JBOD of 3 and 2 spares: the 3 stay")
        << array(L::Single, 5, 8000, 2, 90) << array(L::Single, 3, 8000, 0, 90) << 2;
    QTest::newRow("RAID 0, all spares: none stay") << array(L::Raid0, 2, 8000, 3) << array(L::Raid0, 0) << 3;
    QTest::newRow("RAID 5 keeps its spare") << array(L::Raid5, 5, 8000, 1) << array(L::Raid5, 5, 8000, 1) << 0;
    QTest::newRow("RAID 0 without spares") << array(L::Raid0, 4) << array(L::Raid0, 4) << 0;
}

void TestDiskArray::dropUnusableSpares()
{
    QFETCH(DiskArraySetup, saved);
    QFETCH(DiskArraySetup, opened);
    QFETCH(int, dropped);

    DiskArraySetup setup = saved;
    QCOMPARE(::dropUnusableSpares(&setup), dropped);
    QCOMPARE(setup, opened);
    // What held data before still does.
    if (dropped > 0 && diskArrayCapacity(opened).isPossible())
        QCOMPARE(diskArrayCapacity(opened).dataDrives, saved.drives - saved.hotSpares);
}

void TestDiskArray::diskSizeEntry_data()
{
    QTest::addColumn<qint64>("usableCentiGB");
    QTest::addColumn<double>("size");
    QTest::addColumn<bool>("inTB");
    QTest::addColumn<bool>("roundedDown");

    QTest::newRow("48 TB, a whole number of TB") << qint64(4800000) << 48.0 << true << false;
    QTest::newRow("43.2 TB goes in as 43.2 TB") << qint64(4320000) << 43.2 << true << false;
    QTest::newRow("3.6 TB goes in as 3.6 TB") << qint64(360000) << 3.6 << true << false;
    QTest::newRow("1234.56789 TB: 1234.567 TB") << qint64(123456789) << 1234.567 << true << true;
    QTest::newRow("1 TB") << qint64(100000) << 1.0 << true << false;
    QTest::newRow("999.99 GB: 999 GB") << qint64(99999) << 999.0 << false << true;
    QTest::newRow("330.33 GB goes in as 330 GB") << qint64(33033) << 330.0 << false << true;
    QTest::newRow("0.5 GB goes in as 0 GB") << qint64(50) << 0.0 << false << true;
    QTest::newRow("nothing") << qint64(0) << 0.0 << false << false;
    QTest::newRow("50000.5 GB: 50 TB") << qint64(5000050) << 50.0 << true << true;
    QTest::newRow("62.5 TB: no longer rounded to 62") << qint64(6250000) << 62.5 << true << false;
    QTest::newRow("12800 TB, the largest array") << qint64(1280000000) << 12800.0 << true << false;
    QTest::newRow("60000 TB: the field's largest, 50000 TB") << qint64(6000000000) << 50000.0 << true << true;
}

void TestDiskArray::diskSizeEntry()
{
    QFETCH(qint64, usableCentiGB);
    QFETCH(double, size);
    QFETCH(bool, inTB);
    QFETCH(bool, roundedDown);

    const DiskSizeEntry entry = ::diskSizeEntry(usableCentiGB);
    QCOMPARE(entry.size, size);
    QCOMPARE(entry.unit, inTB ? DiskUnit::TB : DiskUnit::GB);
    QCOMPARE(entry.roundedDown, roundedDown);
    // Never more than the array holds, and a figure the field takes.
    QVERIFY(std::llround(entry.size * (inTB ? 100000 : 100)) <= usableCentiGB);
    QVERIFY(isFieldDiskSize(entry.size, entry.unit));
}

void TestDiskArray::texts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    const auto line = [](qint64 neededGB, const DiskArraySetup &given) -> QString {
        const DiskArrayText::Line text = DiskArrayText::drivesNeeded(::drivesNeeded(neededGB, given), neededGB);
        return text.head + QLatin1Char(' ') + text.tail;
    };
    QTest::newRow("capacity in TB, exact") << DiskArrayText::capacity(4320000) << "43.2 TB";
    QTest::newRow("capacity in TB, cut to whole GB") << DiskArrayText::capacity(123456789) << "1234.567 TB";
    QTest::newRow("capacity just under 1 TB") << DiskArrayText::capacity(99999) << "999.99 GB";
    QTest::newRow("capacity of 1 TB") << DiskArrayText::capacity(100000) << "1 TB";
    QTest::newRow("drive of 1.2 TB") << DiskArrayText::driveSize(1200) << "1.2 TB";
    QTest::newRow("drive of 0.5 TB") << DiskArrayText::driveSize(500) << "0.5 TB";
    QTest::newRow("usable sum") << DiskArrayText::usableSum(array(L::Raid5, 6, 8000, 0, 90),
                                                             diskArrayCapacity(array(L::Raid5, 6, 8000, 0, 90)))
                                << "5 data drive(s) × 8 TB × 90 % = 36 TB";
    QTest::newRow("RAID 5 line") << line(40000, array(L::Raid5, 3)) << "6 × 8 TB in RAID 5 (5 data + 1 parity)";
    QTest::newRow("spare and fill limit") << line(1000, array(L::Raid5, 3, 8000, 1, 90))
                                          << "4 × 8 TB in RAID 5 (2 data + 1 parity + 1 hot spare(s); filled to 90 %)";
    QTest::newRow("RAID 10 line") << line(16000, array(L::Raid10, 4)) << "4 × 8 TB in RAID 10 (2 data + 2 mirror)";
    QTest::newRow("RAID 60 line") << line(1000, array(L::Raid60, 8))
                                  << "8 × 8 TB in RAID 60 (2 groups: 4 data + 4 parity)";
    QTest::newRow("single drives line") << line(20000, array(L::Single, 1, 10000))
                                        << "2 × 10 TB as single drives (2 data)";
    QTest::newRow("beyond the level's limits") << line(300000, array(L::Raid5, 3))
                                               << "No RAID 5 array of 8 TB drives holds 300 TB "
                                                  "(the largest, 32 drives, holds 248 TB)";
    QTest::newRow("refused spare") << DiskArrayText::fault(F::SparesNotRebuilt, array(L::Raid0, 3, 8000, 1))
                                   << "RAID 0 keeps no copy to rebuild onto a hot spare: take none.";
    QTest::newRow("spares dropped") << DiskArrayText::sparesDropped(2, L::Single)
                                    << "The disk array's 2 hot spare(s) were dropped: Single drives (JBOD) "
                                       "keeps no copy to rebuild onto a spare. The drives that hold data are "
                                       "as they were.";
    QTest::newRow("no set possible") << line(1000, array(L::Raid6, 4, 0))
                                     << "No RAID 6 array is possible (Enter the size of one drive, above 0 TB.)";
}

void TestDiskArray::texts()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

QTEST_GUILESS_MAIN(TestDiskArray)
#include "tst_diskarray.moc"
