#include "calc/planreport.h"
#include "data/bitratecalculator.h"
#include "data/siteplanfile.h"
#include "platform/targetpath.h"

#include "datafixture.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The staged program run as a command: the report without a window, the
// help and the version.
class TestReportCommand final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void command_data();
    void command();

private:
    QTemporaryDir m_dir;
    SitePlan m_plan;
};

void TestReportCommand::initTestCase()
{
    QVERIFY(m_dir.isValid());
    OrvaneGUIToolkit::SetTargetPathOverride(m_dir.path());
    PlanGroup gate;
    gate.name = QStringLiteral("Gate, north(1)");
    gate.channels = 4;
    gate.resolution = QStringLiteral("1080P");
    gate.frameRate = QStringLiteral("25");
    gate.frameRateIndex = 1;
    gate.encoding = QStringLiteral("H.264");
    gate.kbps = 2048;
    gate.groupNumber = 1;
    m_plan.groups = {gate};
    QString error;
    QVERIFY(SitePlanFile::write(m_dir.filePath(QStringLiteral("site.larkspan")), m_plan, &error));
    // Saved while RAID 0 still took hot spares.
    SitePlan spares = m_plan;
    spares.calculation.diskArray = {5, 8000, RaidLevel::Raid0, 2, 1, 100};
    QVERIFY(SitePlanFile::write(m_dir.filePath(QStringLiteral("spares.larkspan")), spares, &error));
    QVERIFY(writeFixture(m_dir.path(), QStringLiteral("bad.larkspan"), "{\"format\": \"larkspan-plan\", "));
    QVERIFY(writeFixture(m_dir.path(), QStringLiteral("old.csv"), "old"));
}

void TestReportCommand::command_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");    // part of stdout
    QTest::addColumn<QString>("error");  // part of the one line on stderr
    QTest::addColumn<QString>("written"); // the report's file, or empty

    QTest::newRow("version") << QStringList{"--version"} << 0 << "Larkspan 3." << "" << "";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "--report <plan>" << "" << "";
    QTest::newRow("CSV report") << QStringList{"--report", "site.larkspan", "-o", "site.csv"} << 0 << ""
                                << "" << "site.csv";
    QTest::newRow("PDF report") << QStringList{"--report", "site.larkspan", "-o", "site.pdf"} << 0 << ""
                                << "" << "site.pdf";
    QTest::newRow("hot spares dropped from RAID 0: said, and the report written")
        << QStringList{"--report", "spares.larkspan", "-o", "spares.pdf"} << 0 << ""
        << "spares.larkspan: The disk array's 1 hot spare(s) were dropped" << "spares.pdf";
    QTest::newRow("damaged plan") << QStringList{"--report", "bad.larkspan", "-o", "old.csv"} << 1 << ""
                                  << "damaged or cut short" << "";
    QTest::newRow("missing plan") << QStringList{"-r", "none.larkspan", "-o", "none.csv"} << 1 << ""
                                  << "does not exist" << "";
    QTest::newRow("output folder missing")
        << QStringList{"--report", "site.larkspan", "-o", "no/such/folder/site.csv"} << 1 << ""
        << "could not be written" << "";
    QTest::newRow("output neither PDF nor CSV") << QStringList{"--report", "site.larkspan", "-o", "site.txt"}
                                                << 1 << "" << "PDF (.pdf) or CSV (.csv)" << "";
    QTest::newRow("report without output") << QStringList{"--report", "site.larkspan"} << 2 << ""
                                           << "--report needs a plan and -o" << "";
    QTest::newRow("unknown option") << QStringList{"--colour"} << 2 << "" << "colour" << "";
}

void TestReportCommand::command()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, error);
    QFETCH(QString, written);

    QProcess larkspan;
    larkspan.setWorkingDirectory(m_dir.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM")); // the command needs no screen of its own
    // Without a session's runtime folder Qt warns; the command's stderr is its own still.
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    larkspan.setProcessEnvironment(environment);
    larkspan.start(QStringLiteral(LARKSPAN_STAGE_DIR "/larkspan"), arguments);
    QVERIFY(larkspan.waitForFinished(30000));

    const QString stdOut = QString::fromUtf8(larkspan.readAllStandardOutput());
    const QString stdErr = QString::fromUtf8(larkspan.readAllStandardError());
    QCOMPARE(larkspan.exitStatus(), QProcess::NormalExit);
    QCOMPARE(larkspan.exitCode(), exitCode);
    QVERIFY2(stdOut.contains(out), qPrintable(stdOut));
    if (!error.isEmpty()) {
        QVERIFY2(stdErr.contains(error), qPrintable(stdErr));
        QCOMPARE(stdErr.trimmed().count(QLatin1Char('\n')), 0);
    }
    // A failed report writes nothing and leaves an old file as it was.
    QCOMPARE(readFixture(m_dir.path(), QStringLiteral("old.csv")), QByteArray("old"));
    QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("none.csv"))));
    QVERIFY(!QFileInfo::exists(m_dir.filePath(QStringLiteral("site.txt"))));

    if (written.endsWith(QLatin1String(".csv"))) {
        QCOMPARE(readFixture(m_dir.path(), written),
                 PlanReport::toCsv(QFileInfo(written).completeBaseName(), QDate::currentDate(), m_plan,
                                   planFigures(m_plan, BitrateCalculator())));
    } else if (written.endsWith(QLatin1String(".pdf"))) {
        QVERIFY(readFixture(m_dir.path(), written).startsWith("%PDF"));
    }
}

QTEST_GUILESS_MAIN(TestReportCommand)
#include "tst_reportcommand.moc"
