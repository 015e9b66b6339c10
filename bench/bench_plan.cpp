#include "calc/planreportdocument.h"
#include "data/sitedocument.h"
#include "data/siteplanfile.h"
#include "device/deviceitemwidget.h"
#include "mainwindow/larkspanmainpage.h"
#include "platform/targetpath.h"
#include "tests/sampleplan.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QScrollBar>
#include <QFileInfo>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

// A site plan of a thousand groups: saving it, reading the file, opening it
// in the window (reading, then listing every group), and its report as a
// PDF (laying the document out, then the whole file). Then a page of groups
// with every text at its bound (PlanTextLimits), opened in the window and
// reported as a PDF; and the thousand groups spread over twenty recorders,
// each with its section in the PDF: each under 1 s. A Tab among the
// thousand rows: under 50 ms. Run with -median N to get medians.
namespace {

constexpr int GroupCount = 1000;
constexpr int BoundGroupCount = 20; // a page of the report
constexpr int RecorderCount = 20;

// The thousand groups in turn on twenty recorders of 64 channels.
SitePlan groupsOnRecorders()
{
    SitePlan plan = manyGroupsPlan(GroupCount);
    for (int i = 0; i < RecorderCount; ++i) {
        const quint32 id = quint32(i + 1);
        plan.recorders.append({id, QStringLiteral("NVR-%1").arg(id), QStringLiteral("64-channel recorder"),
                               {64, 320, 8, 16000}, DiskArraySetup{8, 16000, RaidLevel::Raid6, 2, 0, 100}, 0});
    }
    for (int i = 0; i < plan.groups.size(); ++i)
        plan.groups[i].recorder = quint32(1 + i % RecorderCount);
    return plan;
}

// Every text as long as a plan holds it, without a place to break a line.
SitePlan groupsAtEveryBound()
{
    using namespace PlanTextLimits;
    SitePlan plan = manyGroupsPlan(GroupCount);
    plan.groups.resize(BoundGroupCount);
    for (PlanGroup &group : plan.groups) {
        const QString number = QStringLiteral("(%1)").arg(group.groupNumber);
        group.name = QString(MaxNameLength - number.size(), u'W') + number;
        group.resolution = QString(MaxFieldLength, u'R');
        group.encoding = QString(MaxFieldLength, u'E');
        if (group.rateMode == RateFixed)
            group.frameRate = QString(MaxFieldLength, u'F');
        else
            group.scene = QString(MaxFieldLength, u'S');
    }
    return plan;
}

// The window at the size of a 1920 x 1080 screen, shown.
bool showWindow(LarkspanMainPage &window)
{
    window.connectPages();
    window.resize(1417, 768);
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}

} // namespace

class BenchPlan final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void saveThousandGroups();
    void readThousandGroups();
    void openThousandGroupsInTheWindow();
    void editThousandGroupsInTheWindow();
    void tabThroughThousandGroupsInTheWindow();
    void buildReportOfThousandGroups();
    void layOutReportOfThousandGroups();
    void pdfReportOfThousandGroups();
    void pdfReportOfThousandGroupsOnRecorders();
    void openGroupsAtEveryBoundInTheWindow();
    void pdfReportOfGroupsAtEveryBound();

private:
    QTemporaryDir m_dir;
    SitePlan m_plan = manyGroupsPlan(GroupCount);
    SitePlan m_boundPlan = groupsAtEveryBound();
    QString m_path;
    QString m_boundPath;
};

void BenchPlan::initTestCase()
{
    const QString stage = QStringLiteral(LARKSPAN_STAGE_DIR);
    if (!QFileInfo(stage + QStringLiteral("/IPCBitrate")).isDir())
        QSKIP("The staged data files are missing: build the stage_dist target first.");
    OrvaneGUIToolkit::SetTargetPathOverride(stage);
    // Opening remembers the plan among the recent ones: not in the user's settings.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.filePath(QStringLiteral("settings")));
    m_path = m_dir.filePath(QStringLiteral("site.larkspan"));
    QString error;
    QVERIFY2(SitePlanFile::write(m_path, m_plan, &error), qPrintable(error));
    m_boundPath = m_dir.filePath(QStringLiteral("bounds.larkspan"));
    QVERIFY2(SitePlanFile::write(m_boundPath, m_boundPlan, &error), qPrintable(error));
}

void BenchPlan::saveThousandGroups()
{
    QString error;
    QBENCHMARK {
        QVERIFY(SitePlanFile::write(m_path, m_plan, &error));
    }
}

void BenchPlan::readThousandGroups()
{
    QString error;
    QBENCHMARK {
        SitePlan plan;
        QVERIFY(SitePlanFile::read(m_path, &plan, &error));
    }
}

// What the installer waits for between choosing the file and seeing the plan.
void BenchPlan::openThousandGroupsInTheWindow()
{
    LarkspanMainPage window;
    QVERIFY(showWindow(window));
    QBENCHMARK {
        QVERIFY(window.openPlan(m_path));
        QCoreApplication::processEvents();
    }
    QCOMPARE(window.currentPlan().groups.size(), GroupCount);
}

// Edits of a thousand-group plan as the document takes them from the pages:
// three steps of undo an iteration (a typed size, the unit there and back).
void BenchPlan::editThousandGroupsInTheWindow()
{
    LarkspanMainPage window;
    QVERIFY(showWindow(window));
    QVERIFY(window.openPlan(m_path));
    auto *diskSize = window.findChild<QLineEdit *>(QStringLiteral("m_lineEditGT"));
    QVERIFY(diskSize);
    int size = 1;
    QBENCHMARK {
        // Another input each time, so that every edit is a step of its own.
        diskSize->setText(QString::number(size++ % 2 ? 7 : 9));
        QTest::keyClick(window.findChild<QWidget *>(QStringLiteral("m_radioBtnGB")), Qt::Key_Space);
        QTest::keyClick(window.findChild<QWidget *>(QStringLiteral("m_radioBtnTB")), Qt::Key_Space);
    }
    QVERIFY(window.document().canUndo());
}

// One Tab among the rows once every row of a thousand-group plan was built
// (the list scrolled to its end): the window lays its stops out in reading
// order before each step, which should not be felt.
void BenchPlan::tabThroughThousandGroupsInTheWindow()
{
    LarkspanMainPage window;
    QVERIFY(showWindow(window));
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(window.openPlan(m_path));
    auto *rows = window.findChild<QAbstractScrollArea *>(QStringLiteral("m_listWidgetDiskData"));
    QVERIFY(rows);
    QTRY_VERIFY(rows->viewport()->height() > 0);
    const int step = rows->verticalScrollBar()->pageStep() / 2 + 1;
    for (int value = 0; value <= rows->verticalScrollBar()->maximum(); value += step)
        rows->verticalScrollBar()->setValue(value);
    rows->verticalScrollBar()->setValue(0);
    QWidget *first = rows->viewport()->childAt(rows->viewport()->width() / 2, 10);
    while (first && first->parentWidget() != rows->viewport())
        first = first->parentWidget();
    QVERIFY(first);
    first->setFocus(Qt::TabFocusReason);
    QCOMPARE(rows->viewport()->findChildren<NM_Larkspan::DeviceItemWidget *>(Qt::FindDirectChildrenOnly).size(),
             GroupCount);
    QBENCHMARK {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QVERIFY(QApplication::focusWidget() != first);
}

void BenchPlan::buildReportOfThousandGroups()
{
    QBENCHMARK {
        const auto document = planReportDocument(QStringLiteral("site"), m_plan);
    }
}

void BenchPlan::layOutReportOfThousandGroups()
{
    QBENCHMARK {
        const auto document = planReportDocument(QStringLiteral("site"), m_plan);
        document->setPageSize(QSizeF(1000, 700));
        QVERIFY(document->pageCount() > 1);
    }
}

void BenchPlan::pdfReportOfThousandGroups()
{
    const QString pdf = m_dir.filePath(QStringLiteral("site.pdf"));
    QString error;
    QBENCHMARK {
        QVERIFY(writePlanReport(pdf, QStringLiteral("site"), m_plan, &error));
    }
}

void BenchPlan::pdfReportOfThousandGroupsOnRecorders()
{
    const SitePlan plan = groupsOnRecorders();
    const QString pdf = m_dir.filePath(QStringLiteral("recorders.pdf"));
    QString error;
    QBENCHMARK {
        QVERIFY(writePlanReport(pdf, QStringLiteral("recorders"), plan, &error));
    }
}

void BenchPlan::openGroupsAtEveryBoundInTheWindow()
{
    LarkspanMainPage window;
    QVERIFY(showWindow(window));
    QBENCHMARK {
        QVERIFY(window.openPlan(m_boundPath));
        QCoreApplication::processEvents();
    }
    QCOMPARE(window.currentPlan().groups.size(), BoundGroupCount);
}

void BenchPlan::pdfReportOfGroupsAtEveryBound()
{
    const QString pdf = m_dir.filePath(QStringLiteral("bounds.pdf"));
    QString error;
    QBENCHMARK {
        QVERIFY(writePlanReport(pdf, QStringLiteral("bounds"), m_boundPlan, &error));
    }
}

QTEST_MAIN(BenchPlan)
#include "bench_plan.moc"
