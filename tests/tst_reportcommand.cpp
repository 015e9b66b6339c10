#include "calc/planreport.h"
#include "data/bitratecalculator.h"
#include "data/siteplanfile.h"
#include "platform/targetpath.h"

#include "datafixture.h"
#include "sampleplan.h"
#include "fullfilesystem.h"
#include "unwrittenpipe.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

// The staged program run as a command: the report without a window, the
// help and the version.
class TestReportCommand final : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void command_data();
    void command();
    void reportWritesOnlyItsOutput();
    void pdfSectionsOfRecorders_data();
    void pdfSectionsOfRecorders();

private:
    // The staged program with `arguments` in the test's folder, in English.
    void startLarkspan(QProcess &larkspan, const QStringList &arguments);

    QTemporaryDir m_dir;
    SitePlan m_plan;
    std::unique_ptr<UnwrittenPipe> m_pipe;
    // Room for the plan, not for its PDF report.
    FullFileSystem m_full{8 * 1024};
};

void TestReportCommand::initTestCase()
{
    QVERIFY(m_dir.isValid());
    OrvaneGUIToolkit::SetTargetPathOverride(m_dir.path());
    m_plan.groups = {sampleGroup(QStringLiteral("Gate, north"), 4, 2048, 1)};
    QString error;
    QVERIFY(SitePlanFile::write(m_dir.filePath(QStringLiteral("site.larkspan")), m_plan, &error));
    // Saved while RAID 0 still took hot spares.
    SitePlan spares = m_plan;
    spares.calculation.diskArray = {5, 8000, RaidLevel::Raid0, 2, 1, 100};
    QVERIFY(SitePlanFile::write(m_dir.filePath(QStringLiteral("spares.larkspan")), spares, &error));
    QVERIFY(writeFixture(m_dir.path(), QStringLiteral("bad.larkspan"), "{\"format\": \"larkspan-plan\", "));
    QVERIFY(writeFixture(m_dir.path(), QStringLiteral("old.csv"), "old"));
    // Two recorders: one within its limits and its period, one over its
    // channels whose four 8 TB drives in RAID 5 keep a week.
    SitePlan recorders = m_plan;
    recorders.calculation.saveTime = 1;
    recorders.recorders = {{1, QStringLiteral("NVR-1"), QString(), {32, 256, 4, 16000}, {4, 8000, RaidLevel::Raid5}, 0},
                           {2, QStringLiteral("NVR-2"), QString(), {4, 256, 4, 16000}, {4, 8000, RaidLevel::Raid5}, 0}};
    recorders.groups.append(sampleGroup(QStringLiteral("Yard"), 6, 2048, 2));
    recorders.groups[0].recorder = 1;
    recorders.groups[1].recorder = 2;
    QVERIFY(SitePlanFile::write(m_dir.filePath(QStringLiteral("recorders.larkspan")), recorders, &error));
    recorders.groups[1].channels = 4;
    QVERIFY(SitePlanFile::write(m_dir.filePath(QStringLiteral("holds.larkspan")), recorders, &error));
    m_pipe = std::make_unique<UnwrittenPipe>(m_dir.filePath(QStringLiteral("pipe.larkspan")));
    QVERIFY(m_pipe->made());
}

void TestReportCommand::startLarkspan(QProcess &larkspan, const QStringList &arguments)
{
    larkspan.setWorkingDirectory(m_dir.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM")); // the command needs no screen of its own
    // Without a session's runtime folder Qt warns; the command's stderr is its own still.
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    // English, as the figures it is compared with: no language the user chose
    // in the menu, and an English system.
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.path());
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    larkspan.setProcessEnvironment(environment);
    larkspan.start(QStringLiteral(LARKSPAN_STAGE_DIR "/larkspan"), arguments);
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
        << "spares.larkspan: The disk array's hot spare was dropped" << "spares.pdf";
    QTest::newRow("damaged plan") << QStringList{"--report", "bad.larkspan", "-o", "old.csv"} << 1 << ""
                                  << "damaged or cut short" << "";
    QTest::newRow("missing plan") << QStringList{"-r", "none.larkspan", "-o", "none.csv"} << 1 << ""
                                  << "does not exist" << "";
    QTest::newRow("plan is a pipe") << QStringList{"--report", "pipe.larkspan", "-o", "pipe.csv"} << 1 << ""
                                    << "is not a plan but a pipe" << "";
    QTest::newRow("output folder missing")
        << QStringList{"--report", "site.larkspan", "-o", "no/such/folder/site.csv"} << 1 << ""
        << QStringLiteral("could not be written as \"site.csv\" in the folder \"%1\": No such folder")
               .arg(m_dir.filePath(QStringLiteral("no/such/folder")))
        << "";
    QTest::newRow("output on a full disk")
        << QStringList{"--report", "site.larkspan", "-o", m_full.filePath(QStringLiteral("site.pdf"))} << 1 << ""
        << QStringLiteral("could not be written as \"site.pdf\" in the folder \"%1\": No space left on device")
               .arg(m_full.path())
        << "";
    QTest::newRow("output neither PDF nor CSV") << QStringList{"--report", "site.larkspan", "-o", "site.txt"}
                                                << 1 << "" << "PDF (.pdf) or CSV (.csv)" << "";
    QTest::newRow("report without output") << QStringList{"--report", "site.larkspan"} << 2 << ""
                                           << "--report needs a plan and -o" << "";
    QTest::newRow("check: every recorder holds") << QStringList{"--check", "holds.larkspan"} << 0
                                                  << "NVR-2: Holds 7 days even at the high bound" << "" << "";
    QTest::newRow("check: a breach") << QStringList{"-c", "recorders.larkspan"} << 1 << "NVR-2: 6 of 4 channels"
                                     << "" << "";
    QTest::newRow("check: the site without recorders")
        << QStringList{"--check", "site.larkspan"} << 0 << "Site: Holds 7 days even at the high bound" << "" << "";
    QTest::newRow("check: a refused plan")
        << QStringList{"--check", "bad.larkspan"} << 2 << "" << "damaged or cut short" << "";
    QTest::newRow("check with an output")
        << QStringList{"--check", "site.larkspan", "-o", "x.csv"} << 2 << "" << "--check needs a plan and nothing else" << "";
    QTest::newRow("unknown option") << QStringList{"--colour"} << 2 << "" << "colour" << "";
}

void TestReportCommand::command()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, error);
    QFETCH(QString, written);
    if (arguments.join(QLatin1Char(' ')).contains(m_full.path()) && !m_full.mounted())
        QSKIP(qPrintable(m_full.why()));

    QProcess larkspan;
    startLarkspan(larkspan, arguments);
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
        // In the English catalogue, as the command writes it: it gives the
        // plural forms ("7 days").
        QTranslator english;
        QVERIFY(english.load(QStringLiteral(LARKSPAN_STAGE_DIR "/translations/larkspan_en.qm")));
        QCoreApplication::installTranslator(&english);
        const QByteArray expected = PlanReport::toCsv(QFileInfo(written).completeBaseName(), QDate::currentDate(),
                                                      m_plan, planFigures(m_plan));
        QCoreApplication::removeTranslator(&english);
        QCOMPARE(readFixture(m_dir.path(), written), expected);
    } else if (written.endsWith(QLatin1String(".pdf"))) {
        QVERIFY(readFixture(m_dir.path(), written).startsWith("%PDF"));
    }
}

// Every file below `root` with a hash of its bytes.
static QMap<QString, QByteArray> folderContents(const QString &root)
{
    QMap<QString, QByteArray> contents;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            contents.insert(path, QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256));
    }
    return contents;
}

// A report reads the plan and writes its output, nothing else: not even the
// recorder table that a CSV handed over at the fixed place would regenerate
// when the window starts.
void TestReportCommand::reportWritesOnlyItsOutput()
{
    QTemporaryDir program;
    QVERIFY(copyFixtureTree(QStringLiteral(LARKSPAN_STAGE_DIR), program.path()));
    QFile::setPermissions(program.filePath(QStringLiteral("larkspan")),
                          QFile::permissions(QStringLiteral(LARKSPAN_STAGE_DIR "/larkspan")));
    QVERIFY(writeFixture(m_dir.path(), QStringLiteral("C:/DVRBitrateConfig.csv"),
                         "1080P,2048\n720P,1024\n"));
    const auto before = folderContents(program.path());

    for (const QString &output : {QStringLiteral("handed.pdf"), QStringLiteral("handed.csv")}) {
        QProcess larkspan;
        larkspan.setWorkingDirectory(m_dir.path());
        larkspan.start(program.filePath(QStringLiteral("larkspan")),
                       {QStringLiteral("--report"), QStringLiteral("site.larkspan"), QStringLiteral("-o"), output});
        QVERIFY(larkspan.waitForFinished(30000));
        QCOMPARE(larkspan.exitCode(), 0);
    }
    QDir(m_dir.filePath(QStringLiteral("C:"))).removeRecursively();
    const auto after = folderContents(program.path());
    QStringList changed;
    for (auto it = after.cbegin(); it != after.cend(); ++it) {
        if (before.value(it.key()) != it.value())
            changed << it.key();
    }
    QVERIFY2(changed.isEmpty(), qPrintable(changed.join(QLatin1Char(' '))));
    QCOMPARE(after.keys(), before.keys());
}

void TestReportCommand::pdfSectionsOfRecorders_data()
{
    QTest::addColumn<QString>("plan");
    QTest::addColumn<QStringList>("present"); // lines of the PDF's text
    QTest::addColumn<QStringList>("absent");  // parts of it

    QTest::newRow("a site without recorders: none")
        << "site.larkspan" << QStringList{"Storage plan: site"} << QStringList{"In use", "Over a limit", "NVR-"};
    QTest::newRow("two recorders: a section each, the limit broken marked")
        << "recorders.larkspan"
        << QStringList{"NVR-1 — limits of its own", "NVR-2 — limits of its own",
                       "Over a limit", "\u2716 NVR-2: 6 of 4 channels"}
        << QStringList{"NVR-1: "};
}

// The PDF as a person reads it: its text, as a PDF reader extracts it.
void TestReportCommand::pdfSectionsOfRecorders()
{
    QFETCH(QString, plan);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    const QString pdfToText = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdfToText.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");

    const QString pdf = QFileInfo(plan).completeBaseName() + QStringLiteral("-sections.pdf");
    QProcess larkspan;
    startLarkspan(larkspan, {QStringLiteral("--report"), plan, QStringLiteral("-o"), pdf});
    QVERIFY(larkspan.waitForFinished(30000));
    QCOMPARE(larkspan.exitCode(), 0);
    QProcess reader;
    reader.start(pdfToText, {m_dir.filePath(pdf), QStringLiteral("-")});
    QVERIFY(reader.waitForFinished(30000));
    const QStringList lines = QString::fromUtf8(reader.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (const QString &line : present)
        QVERIFY2(lines.contains(line), qPrintable(line));
    for (const QString &part : absent) {
        for (const QString &line : lines)
            QVERIFY2(!line.contains(part), qPrintable(line));
    }
}

QTEST_GUILESS_MAIN(TestReportCommand)
#include "tst_reportcommand.moc"
