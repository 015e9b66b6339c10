#include "data/sitedocument.h"

#include "sampleplan.h"

#include <QFileInfo>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>

namespace {

// A document with two groups, saved, so that every edit starts from a clean,
// unmodified plan with a history of its own.
struct SavedDocument
{
    QTemporaryDir dir;
    SiteDocument document;
    QString path = dir.filePath(QStringLiteral("site.larkspan"));

    SavedDocument()
    {
        document.addGroups({sampleGroup(QStringLiteral("Gate"), 8, 2048, 1),
                            sampleGroup(QStringLiteral("Hall"), 4, 1024, 2)});
        QString error;
        if (!document.saveAs(path, &error))
            qFatal("cannot save the fixture: %s", qPrintable(error));
    }
};

using Edit = std::function<void(SiteDocument &)>;

} // namespace

Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(QVector<quint32>)

class tst_SiteDocument : public QObject
{
    Q_OBJECT

private slots:
    void undoRedoReturnTheExactPlan_data();
    void undoRedoReturnTheExactPlan();
    void identitiesAreNeverUsedAgain();
    void recordersStayWhenThePagesChange();
    void recorderSteps_data();
    void recorderSteps();
    void stepsOfInputs_data();
    void stepsOfInputs();
    void openAndSaveFollowTheFile();
};

void tst_SiteDocument::undoRedoReturnTheExactPlan_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<int>("changes");

    QTest::newRow("group added")
        << Edit([](SiteDocument &d) { d.addGroups({sampleGroup(QStringLiteral("Yard"), 2, 512, 3)}); })
        << int(SiteDocument::GroupsChanged);
    QTest::newRow("group edited") << Edit([](SiteDocument &d) {
        PlanGroup g = d.plan().groups.at(1);
        g.channels = 16;
        g.id = 99; // ignored: an edited group stays itself
        d.replaceGroup(1, g);
    }) << int(SiteDocument::GroupsChanged);
    QTest::newRow("group deleted") << Edit([](SiteDocument &d) { d.removeGroup(0); })
                                   << int(SiteDocument::GroupsChanged);
    QTest::newRow("list cleared") << Edit([](SiteDocument &d) { d.clearGroups(); })
                                  << int(SiteDocument::GroupsChanged);
    QTest::newRow("input changed") << Edit([](SiteDocument &d) {
        PlanCalculation c = d.plan().calculation;
        c.diskSize = 12;
        c.diskArray.hotSpares = 1;
        d.setCalculation(c);
    }) << int(SiteDocument::InputsChanged);
    QTest::newRow("frame standard switched") << Edit([](SiteDocument &d) {
        QVector<PlanGroup> converted = d.plan().groups;
        for (PlanGroup &g : converted) {
            g.frameRate = QStringLiteral("30");
            g.kbps *= 1.2;
        }
        d.setFrameStandard(FrameNTSC, converted);
    }) << int(SiteDocument::FrameStandardChanged | SiteDocument::GroupsChanged);
    QTest::newRow("whole plan replaced") << Edit([](SiteDocument &d) {
        SitePlan p = d.plan();
        p.groups.removeLast();
        p.calculation.sizeShown = true;
        d.setPlan(p);
    }) << int(SiteDocument::GroupsChanged | SiteDocument::InputsChanged);
}

void tst_SiteDocument::undoRedoReturnTheExactPlan()
{
    QFETCH(Edit, edit);
    QFETCH(int, changes);

    SavedDocument saved;
    SiteDocument &document = saved.document;
    const SitePlan before = document.plan();
    QSignalSpy spy(&document, &SiteDocument::changed);

    edit(document);
    const SitePlan after = document.plan();
    QVERIFY(after != before);
    QVERIFY(document.isModified());
    QCOMPARE(spy.count(), 1);
    const auto announced = spy.takeFirst().at(0).value<SiteDocument::Changes>();
    QCOMPARE(int(announced & ~(SiteDocument::ModifiedChanged | SiteDocument::HistoryChanged)), changes);
    QVERIFY(announced.testFlag(SiteDocument::ModifiedChanged));
    for (int i = 0; i < after.groups.size(); ++i) {
        const auto same = std::find_if(before.groups.cbegin(), before.groups.cend(),
                                       [&](const PlanGroup &g) { return g.id == after.groups.at(i).id; });
        if (same != before.groups.cend())
            QCOMPARE(same->groupNumber, after.groups.at(i).groupNumber);
    }

    QVERIFY(document.canUndo());
    document.undo();
    QCOMPARE(document.plan(), before);
    QVERIFY(!document.isModified());
    QVERIFY(spy.takeLast().at(0).value<SiteDocument::Changes>().testFlag(SiteDocument::ModifiedChanged));

    QVERIFY(document.canRedo());
    document.redo();
    QCOMPARE(document.plan(), after);
    QVERIFY(document.isModified());

    // Saved after the edit: the edited plan is the clean one, and undoing it
    // is a change again.
    QString error;
    QVERIFY2(document.saveAs(saved.path, &error), qPrintable(error));
    QVERIFY(!document.isModified());
    document.undo();
    QVERIFY(document.isModified());
    QCOMPARE(document.plan(), before);
}

void tst_SiteDocument::recordersStayWhenThePagesChange()
{
    SiteDocument document;
    const SitePlan sample = samplePlan();
    document.newPlan(sample);
    // The pages' plan: no recorders, no group on one, and a new group.
    SitePlan shown = document.plan();
    shown.recorders.clear();
    for (PlanGroup &g : shown.groups) {
        g.recorder = 0;
        g.channels += 1;
    }
    shown.groups.append(sampleGroup(QStringLiteral("New"), 2, 512, 9));
    document.setPlan(shown);
    const SitePlan &plan = document.plan();
    QCOMPARE(plan.recorders, sample.recorders);
    for (int i = 0; i < sample.groups.size(); ++i)
        QCOMPARE(plan.groups.at(i).recorder, sample.groups.at(i).recorder);
    QCOMPARE(plan.groups.last().recorder, sample.recorders.first().id);
}

void tst_SiteDocument::recorderSteps_data()
{
    QTest::addColumn<bool>("withRecorders"); // A (1) with groups 1 and 2, B (2) with group 3
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QVector<quint32>>("groupRecorders"); // after; empty: no step
    QTest::addColumn<int>("recorders");

    const PlanRecorder third{0, QStringLiteral("C"), QString(), {}, {}, 0};
    QTest::newRow("first recorder: takes every group")
        << false << Edit([=](SiteDocument &d) { QCOMPARE(d.addRecorder(third), 1u); })
        << QVector<quint32>{1, 1, 1} << 1;
    QTest::newRow("another recorder: takes none")
        << true << Edit([=](SiteDocument &d) { QCOMPARE(d.addRecorder(third), 3u); })
        << QVector<quint32>{1, 1, 2} << 3;
    QTest::newRow("recorder edited") << true << Edit([](SiteDocument &d) {
        PlanRecorder b = d.plan().recorders.at(1);
        b.limits.channels = 8;
        d.replaceRecorder(b);
    }) << QVector<quint32>{1, 1, 2} << 2;
    QTest::newRow("recorder removed: its groups move")
        << true << Edit([](SiteDocument &d) { d.removeRecorder(1, 2); }) << QVector<quint32>{2, 2, 2} << 1;
    QTest::newRow("the last recorder removed: one site again") << true << Edit([](SiteDocument &d) {
        d.removeRecorder(2, 1);
        d.removeRecorder(1, 0);
    }) << QVector<quint32>{0, 0, 0} << 0;
    QTest::newRow("removed onto itself: nothing")
        << true << Edit([](SiteDocument &d) { d.removeRecorder(2, 2); }) << QVector<quint32>{} << 2;
    QTest::newRow("removed onto no recorder: nothing")
        << true << Edit([](SiteDocument &d) { d.removeRecorder(2, 7); }) << QVector<quint32>{} << 2;
    QTest::newRow("groups moved")
        << true << Edit([](SiteDocument &d) { d.moveGroups({1, 2}, 2); }) << QVector<quint32>{2, 2, 2} << 2;
    QTest::newRow("moved to no recorder: nothing")
        << true << Edit([](SiteDocument &d) { d.moveGroups({1}, 9); }) << QVector<quint32>{} << 2;
}

void tst_SiteDocument::recorderSteps()
{
    QFETCH(bool, withRecorders);
    QFETCH(Edit, edit);
    QFETCH(QVector<quint32>, groupRecorders);
    QFETCH(int, recorders);

    SitePlan site;
    site.groups = {sampleGroup(QStringLiteral("Gate"), 8, 2048, 1), sampleGroup(QStringLiteral("Hall"), 4, 1024, 2),
                   sampleGroup(QStringLiteral("Yard"), 2, 512, 3)};
    if (withRecorders) {
        site.recorders = {{1, QStringLiteral("A"), QString(), {}, {}, 0}, {2, QStringLiteral("B"), QString(), {}, {}, 0}};
        site.groups[0].recorder = site.groups[1].recorder = 1;
        site.groups[2].recorder = 2;
    }
    SiteDocument document;
    document.newPlan(site);
    const SitePlan before = document.plan();
    edit(document);
    QCOMPARE(document.plan().recorders.size(), recorders);
    if (groupRecorders.isEmpty()) {
        QCOMPARE(document.plan(), before);
        QVERIFY(!document.canUndo());
        return;
    }
    QVector<quint32> actual;
    for (const PlanGroup &g : document.plan().groups)
        actual.append(g.recorder);
    QCOMPARE(actual, groupRecorders);
    const SitePlan after = document.plan();
    while (document.canUndo())
        document.undo();
    QCOMPARE(document.plan(), before);
    while (document.canRedo())
        document.redo();
    QCOMPARE(document.plan(), after);
}

void tst_SiteDocument::identitiesAreNeverUsedAgain()
{
    SiteDocument document;
    QSet<quint32> used;
    auto take = [&](const PlanGroup &g) {
        QVERIFY(g.id != 0);
        QVERIFY2(!used.contains(g.id), qPrintable(QString::number(g.id)));
        used.insert(g.id);
    };
    document.addGroups({sampleGroup(QStringLiteral("A"), 1, 1, 1), sampleGroup(QStringLiteral("B"), 1, 1, 2)});
    take(document.plan().groups.at(0));
    take(document.plan().groups.at(1));
    document.removeGroup(1);
    // The number is handed out again, the identity is not.
    document.addGroups({sampleGroup(QStringLiteral("C"), 1, 1, 2)});
    take(document.plan().groups.at(1));
    // Undone back to both groups, then a third: neither C's identity nor B's.
    document.undo();
    document.undo();
    QCOMPARE(document.plan().groups.at(1).id, 2u);
    document.addGroups({sampleGroup(QStringLiteral("D"), 1, 1, 3)});
    take(document.plan().groups.at(2));
    // The pages know group numbers, not identities: a group of the same
    // number is the same group.
    SitePlan shown = document.plan();
    for (PlanGroup &g : shown.groups) {
        g.id = 0;
        g.channels = 7;
    }
    document.setPlan(shown);
    QCOMPARE(document.plan().groups.at(2).id, 4u);
    // A whole plan whose groups share an identity keeps the first and renames the rest.
    SitePlan copied = document.plan();
    copied.groups.append(copied.groups.first());
    document.setPlan(copied);
    QCOMPARE(document.plan().groups.at(0).id, copied.groups.at(0).id);
    take(document.plan().groups.at(3));
    document.clearGroups();
    document.addGroups({PlanGroup()});
    take(document.plan().groups.at(0));
}

void tst_SiteDocument::stepsOfInputs_data()
{
    QTest::addColumn<QList<int>>("diskSizes"); // typed one after the other; -1 switches the unit
    QTest::addColumn<int>("steps");

    QTest::newRow("typing one number") << QList<int>{1, 12, 120} << 1;
    QTest::newRow("a number, then the unit") << QList<int>{1, 12, -1} << 2;
    QTest::newRow("the unit between two numbers") << QList<int>{1, -1, 5} << 3;
}

void tst_SiteDocument::stepsOfInputs()
{
    QFETCH(QList<int>, diskSizes);
    QFETCH(int, steps);

    SavedDocument saved;
    SiteDocument &document = saved.document;
    const SitePlan before = document.plan();
    for (int size : diskSizes) {
        PlanCalculation c = document.plan().calculation;
        if (size < 0)
            c.diskUnit = c.diskUnit == DiskUnit::TB ? DiskUnit::GB : DiskUnit::TB;
        else
            c.diskSize = size;
        document.setCalculation(c);
    }
    for (int i = 0; i < steps; ++i) {
        QVERIFY(document.plan() != before);
        document.undo();
    }
    QCOMPARE(document.plan(), before);
    QVERIFY(!document.isModified());
}

void tst_SiteDocument::openAndSaveFollowTheFile()
{
    SavedDocument saved;
    SiteDocument other;
    QSignalSpy spy(&other, &SiteDocument::changed);
    QString error;
    QVERIFY2(other.open(saved.path, &error), qPrintable(error));
    QCOMPARE(other.filePath(), QFileInfo(saved.path).absoluteFilePath());
    QCOMPARE(other.fileBaseName(), QStringLiteral("site"));
    QVERIFY(!other.isModified());
    QVERIFY(!other.canUndo());
    QVERIFY(spy.takeLast().at(0).value<SiteDocument::Changes>().testFlag(SiteDocument::FileChanged));
    // The identities travel with the file.
    QCOMPARE(other.plan().groups, saved.document.plan().groups);

    // A refused file changes nothing.
    const SitePlan before = other.plan();
    QVERIFY(!other.open(saved.dir.filePath(QStringLiteral("missing.larkspan")), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(other.plan(), before);
    QCOMPARE(other.filePath(), QFileInfo(saved.path).absoluteFilePath());

    // A save that fails leaves the document modified and on its old file.
    other.removeGroup(0);
    QVERIFY(!other.saveAs(saved.dir.filePath(QStringLiteral("no/such/folder/x.larkspan")), &error));
    QVERIFY(other.isModified());
    QCOMPARE(other.filePath(), QFileInfo(saved.path).absoluteFilePath());

    other.newPlan();
    QVERIFY(other.filePath().isEmpty());
    QVERIFY(other.plan().groups.isEmpty());
    QVERIFY(!other.isModified());
    QVERIFY(!other.canUndo() && !other.canRedo());
}

QTEST_GUILESS_MAIN(tst_SiteDocument)
#include "tst_sitedocument.moc"
