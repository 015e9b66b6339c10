#include "calc/recorderbar.h"
#include "mainwindow/recorderdialog.h"
#include "mainwindow/spreaddialog.h"

#include "sampleplan.h"

#include <QComboBox>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// Two recorders: A within its limits, B of 4 channels holding 6.
SitePlan twoRecorders()
{
    SitePlan site;
    for (int i = 1; i <= 2; ++i) {
        PlanGroup g = sampleGroup(QStringLiteral("G"), i == 1 ? 4 : 6, 1024, i);
        g.id = quint32(i);
        g.recorder = quint32(i);
        site.groups.append(g);
    }
    site.recorders = {{1, QStringLiteral("A"), QString(), {32, 256, 4, 16000}, {4, 8000, RaidLevel::Raid5}, 0},
                      {2, QStringLiteral("B"), QString(), {4, 256, 4, 16000}, {4, 8000, RaidLevel::Raid5}, 0}};
    return site;
}

QList<QToolButton *> chips(const RecorderBar &bar)
{
    QList<QToolButton *> found;
    for (QToolButton *button : bar.findChildren<QToolButton *>()) {
        if (button->objectName().startsWith(QLatin1String("recorderChip")))
            found.append(button);
    }
    return found;
}

} // namespace

class TestRecorderBar final : public QObject
{
    Q_OBJECT

private slots:
    void chipsFollowTheSite();
    void droppedGroupsMove();
    void chipMenuFromTheKeyboard_data();
    void chipMenuFromTheKeyboard();
    void recorderDialogTakesAProfile();
    void spreadDialogProposes();
};

void TestRecorderBar::chipsFollowTheSite()
{
    RecorderBar bar;
    QSignalSpy current(&bar, &RecorderBar::currentChanged);
    bar.showSite(twoRecorders());
    const QList<QToolButton *> shown = chips(bar);
    QCOMPARE(shown.size(), 3);
    QVERIFY(shown.at(0)->isChecked()); // "All"
    QToolButton *b = shown.at(2);
    QCOMPARE(b->text(), QStringLiteral("B  6 / 4"));
    QVERIFY(!b->property("holds").toBool());
    QVERIFY(b->toolTip().contains(QLatin1String("B: 6 of 4 channels")));
    QVERIFY(shown.at(1)->property("holds").toBool());

    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, b->height() / 2));
    QCOMPARE(bar.current(), 2u);
    QCOMPARE(current.takeLast().at(0).toUInt(), 2u);
    // The chosen recorder gone: "All" again.
    SitePlan one = twoRecorders();
    one.recorders.removeLast();
    one.groups.removeLast();
    bar.showSite(one);
    QCOMPARE(bar.current(), 0u);
    QCOMPARE(current.takeLast().at(0).toUInt(), 0u);
}

void TestRecorderBar::droppedGroupsMove()
{
    RecorderBar bar;
    bar.showSite(twoRecorders());
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QSignalSpy dropped(&bar, &RecorderBar::groupsDropped);
    QMimeData mime;
    mime.setData(QLatin1String(RecorderBar::GroupsMimeType), "1\n7\n");
    QToolButton *a = chips(bar).at(1);
    QDragEnterEvent enter(QPoint(2, 2), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(a, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(2, 2), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(a, &drop);
    QCOMPARE(dropped.size(), 1);
    QCOMPARE(dropped.at(0).at(0).value<QVector<quint32>>(), (QVector<quint32>{1, 7}));
    QCOMPARE(dropped.at(0).at(1).toUInt(), 1u);
}

void TestRecorderBar::chipMenuFromTheKeyboard_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("opens");

    QTest::newRow("Menu") << int(Qt::Key_Menu) << int(Qt::NoModifier) << true;
    QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier) << true;
    QTest::newRow("Alt+Down") << int(Qt::Key_Down) << int(Qt::AltModifier) << true;
    QTest::newRow("Down alone") << int(Qt::Key_Down) << int(Qt::NoModifier) << false;
}

void TestRecorderBar::chipMenuFromTheKeyboard()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, opens);

    RecorderBar bar;
    bar.showSite(twoRecorders());
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QToolButton *a = chips(bar).at(1);
    bool shown = false;
    // The menu runs modally; it is seen and closed from the event loop.
    QTimer::singleShot(100, a, [a, &shown] {
        shown = a->menu()->isVisible();
        a->menu()->close();
    });
    a->setFocus();
    QTest::keyClick(a, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (!opens)
        QTest::qWait(150);
    QCOMPARE(shown, opens);
}

void TestRecorderBar::recorderDialogTakesAProfile()
{
    const QVector<RecorderProfile> profiles{{QStringLiteral("16-channel recorder"), {16, 160, 2, 16000}}};
    RecorderDialog dialog(twoRecorders().recorders.at(0), profiles);
    auto *profile = dialog.findChild<QComboBox *>(QStringLiteral("m_comboBoxProfile"));
    profile->setCurrentIndex(1);
    QCOMPARE(dialog.recorder().limits, profiles.at(0).limits);
    QCOMPARE(dialog.recorder().profile, profiles.at(0).name);
    // A limit of its own is no longer the profile's.
    dialog.findChild<QSpinBox *>(QStringLiteral("m_spinBoxBays"))->setValue(3);
    QCOMPARE(profile->currentIndex(), 0);
    QCOMPARE(dialog.recorder().profile, QString());
    QCOMPARE(dialog.recorder().limits.driveBays, 3);
    QCOMPARE(dialog.recorder().diskArray, twoRecorders().recorders.at(0).diskArray);
}

void TestRecorderBar::spreadDialogProposes()
{
    const QVector<RecorderProfile> profiles{{QStringLiteral("4-channel recorder"), {4, 40, 1, 10000}},
                                            {QStringLiteral("32-channel recorder"), {32, 256, 4, 16000}}};
    SpreadDialog dialog(twoRecorders(), profiles);
    // The 32-channel class first: both groups on one recorder.
    QCOMPARE(dialog.spreadSite().recorders.size(), 1);
    dialog.findChild<QComboBox *>(QStringLiteral("m_comboBoxProfile"))->setCurrentIndex(0);
    // Four channels a recorder: G(2) split over two, three in all.
    QCOMPARE(dialog.spreadSite().recorders.size(), 3);
    QCOMPARE(dialog.findChild<QTreeWidget *>(QStringLiteral("m_treeProposal"))->topLevelItemCount(), 3);
    QCOMPARE(dialog.spreadSite().groups.size(), 3);
}

QTEST_MAIN(TestRecorderBar)
#include "tst_recorderbar.moc"
