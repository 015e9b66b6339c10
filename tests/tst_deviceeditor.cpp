#include "app/configuremanager.h"
#include "app/lanaguagemanager.h"
#include "app/languagechoice.h"
#include "data/scenceselector.h"
#include "device/deviceeditor.h"
#include "platform/targetpath.h"

#include "childwidget.h"
#include "devicetables.h"
#include "dialoganswerer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QScopeGuard>
#include <QTest>

namespace {

QStringList items(QComboBox *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result.append(list->itemText(i));
    return result;
}

QString rateText(DeviceEditor &editor)
{
    return child<QLineEdit>(editor, "m_lineEditScenceRecommandRate")->text();
}

void choose(QComboBox *list, const QString &text)
{
    const int index = list->findText(text);
    if (index < 0)
        qFatal("no item %s", qPrintable(text));
    list->setCurrentIndex(index);
}

void replaceText(QLineEdit *field, const QString &typed)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, typed);
}

// Records every group the editor emits, for as long as it lives.
class AddRecorder
{
public:
    explicit AddRecorder(DeviceEditor &editor)
    {
        QObject::connect(&editor, &DeviceEditor::signalAddDevice, &m_context,
                         [this](StructDeviceItem item) { m_records.append(item); });
    }

    const QList<StructDeviceItem> &records() const { return m_records; }

private:
    QObject m_context;
    QList<StructDeviceItem> m_records;
};

void clickScene(DeviceEditor &editor, int scenceType)
{
    const auto buttons = editor.findChildren<ScenceSelector::ScenceQRaidoButton *>();
    for (ScenceSelector::ScenceQRaidoButton *button : buttons) {
        if (button->scenceType() == scenceType) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    }
    qFatal("no scene %d", scenceType);
}

// One step a person takes in the editor, written "what=value".
void perform(DeviceEditor &editor, const QString &step)
{
    const QString what = step.section(QLatin1Char('='), 0, 0);
    const QString value = step.section(QLatin1Char('='), 1);
    if (what == QLatin1String("varRate"))
        QTest::mouseClick(child<QRadioButton>(editor, "m_radioButtonVarRate"), Qt::LeftButton);
    else if (what == QLatin1String("fixedRate"))
        QTest::mouseClick(child<QRadioButton>(editor, "m_radioButtonFixedRate"), Qt::LeftButton);
    else if (what == QLatin1String("deviceType"))
        child<QComboBox>(editor, "m_comboBoxDeviceType")->setCurrentIndex(value.toInt());
    else if (what == QLatin1String("resolution"))
        choose(child<QComboBox>(editor, "m_comboBoxResolution"), value);
    else if (what == QLatin1String("encoding"))
        choose(child<QComboBox>(editor, "m_comboxEncodingType"), value);
    else if (what == QLatin1String("frame"))
        child<QComboBox>(editor, "m_comboxFrameRate")->setCurrentIndex(value.toInt());
    else if (what == QLatin1String("ntsc"))
        QTest::mouseClick(child<QPushButton>(editor, "m_btnOFF"), Qt::LeftButton);
    else if (what == QLatin1String("pal"))
        QTest::mouseClick(child<QPushButton>(editor, "m_btnON"), Qt::LeftButton);
    else if (what == QLatin1String("scene"))
        clickScene(editor, value.toInt());
    else if (what == QLatin1String("programRate"))
        editor.setScenceRecommandRateText(value);
    else if (what == QLatin1String("rate"))
        replaceText(child<QLineEdit>(editor, "m_lineEditScenceRecommandRate"), value);
    else if (what == QLatin1String("name"))
        replaceText(child<QLineEdit>(editor, "m_lineEditChannelName"), value);
    else if (what == QLatin1String("count"))
        replaceText(child<QLineEdit>(editor, "m_lineEditChannelCounts"), value);
    else if (what == QLatin1String("add"))
        QTest::mouseClick(child<QPushButton>(editor, "m_btnAddDevice"), Qt::LeftButton);
    else if (what == QLatin1String("release"))
        editor.OnDeleteChannelGroupNumber(value.toInt());
    else
        qFatal("unknown step %s", qPrintable(step));
}

void performAll(DeviceEditor &editor, const QStringList &steps)
{
    for (const QString &step : steps)
        perform(editor, step);
}

} // namespace

class TestDeviceEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void startState_data();
    void startState();
    void fixedRate_data();
    void fixedRate();
    void encodingListOfLanguage_data();
    void encodingListOfLanguage();
    void rateModes_data();
    void rateModes();
    void recommendedModeShowsTheScenePicture();
    void selectorHighlightsTheAppliedScene_data();
    void selectorHighlightsTheAppliedScene();
    void addIsRefusedWithoutChannelsOrAKnownRate_data();
    void addIsRefusedWithoutChannelsOrAKnownRate();
    void record_data();
    void record();
    void twoPressesDifferOnlyInTheGroupNumber();
    void returnInAFieldAdds_data();
    void returnInAFieldAdds();
    void groupNumbers_data();
    void groupNumbers();
    void typedInputIsLimited_data();
    void typedInputIsLimited();
    void frameStandardSwitch_data();
    void frameStandardSwitch();
    void refillingTheFrameListIsNotAnnounced();
    void collapseAndExpand_data();
    void collapseAndExpand();
    void withoutScenesThereIsNoRecommendedRate();

private:
    QTemporaryDir m_tables;
    QTemporaryDir m_userSettings;
};

void TestDeviceEditor::initTestCase()
{
    QVERIFY(m_tables.isValid());
    QVERIFY(DeviceTables::write(m_tables.path()));

    // A child run of this test checks another interface language; the code
    // must be known before anything asks the language manager.
    const QByteArray language = qgetenv("LARKSPAN_TEST_LANGUAGE");
    if (!language.isEmpty()) {
        QVERIFY(writeFixture(m_tables.path(), QStringLiteral("Setup.xml"),
                             "<Setup><Translator><Value>" + language
                                 + "</Value></Translator></Setup>"));
        QVERIFY(apt::ConfigureManager::instance()->load(m_tables.filePath(QStringLiteral("Setup.xml"))));
    }
    // Setup.xml's 0 would leave the language to the system's: the code is
    // the user's choice as well, English unless a child run names another.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_userSettings.path());
    apt::LanguageChoice::storeChoice(language.isEmpty() ? apt::LanguageChoice::English : language.toInt());
    OrvaneGUIToolkit::SetTargetPathOverride(m_tables.path());
    apt::LanaguageManager::instance();
}

void TestDeviceEditor::init()
{
    OrvaneGUIToolkit::SetTargetPathOverride(m_tables.path());
}

void TestDeviceEditor::startState_data()
{
    QTest::addColumn<QString>("dataDir");
    QTest::addColumn<QString>("firstResolution");
    QTest::addColumn<QString>("expectedRate");

    QTest::newRow("fixture tables") << QString() << "1080P" << "2048";

    // Independent of the loader: the shipped IPC H.264 table read as text,
    // its first row at 25 frames per second is its own value.
    QFile shipped(shippedDataDir() + QStringLiteral("/IPCBitrate/H.264.csv"));
    if (shipped.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const QStringList first = QString::fromLatin1(shipped.readLine()).trimmed().split(QLatin1Char(','));
        QTest::newRow("shipped tables") << shippedDataDir() << first.value(0) << first.value(1);
    }
}

void TestDeviceEditor::startState()
{
    QFETCH(QString, dataDir);
    QFETCH(QString, firstResolution);
    QFETCH(QString, expectedRate);
    if (!dataDir.isEmpty())
        OrvaneGUIToolkit::SetTargetPathOverride(dataDir);

    DeviceEditor editor;

    QVERIFY(child<QRadioButton>(editor, "m_radioButtonFixedRate")->isChecked());
    QVERIFY(!child<QRadioButton>(editor, "m_radioButtonVarRate")->isHidden());
    QVERIFY(qobject_cast<QWidget *>(editor.getScenceSelector())->isHidden());
    QVERIFY(!child<QComboBox>(editor, "m_comboxFrameRate")->isHidden());
    QCOMPARE(child<QLineEdit>(editor, "m_lineEditChannelName")->text(), QStringLiteral("Channel Name"));
    QCOMPARE(child<QLineEdit>(editor, "m_lineEditChannelCounts")->text(), QStringLiteral("1"));
    QCOMPARE(child<QComboBox>(editor, "m_comboBoxDeviceType")->currentText(), QStringLiteral("IPC"));
    QCOMPARE(items(child<QComboBox>(editor, "m_comboBoxDeviceType")),
             QStringList({QStringLiteral("IPC"), QStringLiteral("DVR/NVR")}));
    QComboBox *frames = child<QComboBox>(editor, "m_comboxFrameRate");
    QCOMPARE(frames->count(), 22);
    QCOMPARE(frames->itemText(0), QStringLiteral("50"));
    QCOMPARE(frames->currentIndex(), 1);
    QCOMPARE(frames->currentText(), QStringLiteral("25"));
    QCOMPARE(child<QComboBox>(editor, "m_comboBoxResolution")->currentText(), firstResolution);
    QCOMPARE(child<QComboBox>(editor, "m_comboxEncodingType")->currentText(), QStringLiteral("H.264"));
    QCOMPARE(rateText(editor), expectedRate);
    QCOMPARE(editor.width(), 400);
}

void TestDeviceEditor::fixedRate_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expectedRate");

    // Table values: IPC H.264 1080P 2048, D1 512; H.264+ D1 384; H.265 720P
    // 512. DVR/NVR H.264 1080P 2048; H.265 960H 500.
    QTest::newRow("IPC at 25 fps is the table value") << QStringList{} << "2048";
    QTest::newRow("IPC at 15 fps scales linearly") << QStringList{"frame=7"} << "1228";
    QTest::newRow("IPC at 10 fps still linear") << QStringList{"frame=10"} << "819";
    QTest::newRow("IPC at 5 fps decays by 0.9 a frame") << QStringList{"frame=13"} << "483";
    QTest::newRow("IPC at 1 fps") << QStringList{"frame=17"} << "317";
    QTest::newRow("IPC index 18 under PAL is half a frame") << QStringList{"frame=18"} << "317";
    QTest::newRow("IPC index 18 is half a frame although its text says 9")
        << QStringList{"ntsc", "frame=18"} << "317";
    QTest::newRow("IPC index 21 is a sixteenth although its text says 6")
        << QStringList{"ntsc", "frame=21"} << "317";
    QTest::newRow("IPC H.265 720P at 50 fps") << QStringList{"resolution=720P", "encoding=H.265", "frame=0"} << "1024";
    QTest::newRow("IPC H.264+ D1 at 30 fps NTSC") << QStringList{"ntsc", "resolution=D1", "encoding=H.264+"} << "460";
    QTest::newRow("DVR/NVR at 25 fps is the table value") << QStringList{"deviceType=1"} << "2048";
    QTest::newRow("DVR/NVR at 10 fps") << QStringList{"deviceType=1", "frame=10"} << "1064";
    QTest::newRow("DVR/NVR at 60 fps NTSC") << QStringList{"deviceType=1", "ntsc", "frame=0"} << "4341";
    QTest::newRow("DVR/NVR H.265 960H index 18 is half a frame")
        << QStringList{"deviceType=1", "resolution=960H", "encoding=H.265", "frame=18"} << "108";
    QTest::newRow("DVR/NVR index 19 is a quarter although its text says 8")
        << QStringList{"deviceType=1", "ntsc", "frame=19"} << "425";
    QTest::newRow("back to IPC takes the IPC table again")
        << QStringList{"deviceType=1", "resolution=960H", "deviceType=0"} << "2048";
}

void TestDeviceEditor::fixedRate()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, expectedRate);

    DeviceEditor editor;
    performAll(editor, steps);

    QCOMPARE(rateText(editor), expectedRate);
}

void TestDeviceEditor::encodingListOfLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("English interface drops Smart H.264")
        << 0 << QStringList{"H.264", "H.264+", "H.265"};
    QTest::newRow("Chinese interface drops H.264+")
        << 1 << QStringList{"H.264", "H.265", "Smart H.264"};
}

void TestDeviceEditor::encodingListOfLanguage()
{
    QFETCH(int, language);
    QFETCH(QStringList, expected);

    // The language is fixed for a process; another one is checked by a
    // child run of this very row.
    if (language != apt::LanaguageManager::instance()->language()) {
        QProcess childRun;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LARKSPAN_TEST_LANGUAGE"), QString::number(language));
        childRun.setProcessEnvironment(environment);
        childRun.setProcessChannelMode(QProcess::MergedChannels);
        childRun.start(QCoreApplication::applicationFilePath(),
                       {QStringLiteral("encodingListOfLanguage:") + QString::fromLatin1(QTest::currentDataTag())});
        QVERIFY(childRun.waitForFinished(60000));
        QVERIFY2(childRun.exitCode() == 0, childRun.readAll().constData());
        return;
    }

    DeviceEditor editor;
    QComboBox *encodings = child<QComboBox>(editor, "m_comboxEncodingType");
    QCOMPARE(items(encodings), expected);

    // Coming back from the recommended rate refills the list by the same rule.
    performAll(editor, {"varRate", "fixedRate"});
    QCOMPARE(items(encodings), expected);
}

void TestDeviceEditor::rateModes_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("sceneShown");
    QTest::addColumn<QStringList>("resolutions");
    QTest::addColumn<QStringList>("encodings");
    QTest::addColumn<QString>("expectedRate");

    const QStringList ipcResolutions{"1080P", "720P", "D1"};
    const QStringList fixedEncodings{"H.264", "H.264+", "H.265"};
    const QStringList hospitalResolutions{"1080P", "720P"};

    QTest::newRow("entering the recommended rate applies scene 0")
        << QStringList{"varRate"} << true << hospitalResolutions << QStringList{"H.264", "H.265"} << "2000";
    QTest::newRow("another resolution refills the scene encodings")
        << QStringList{"varRate", "resolution=720P"} << true << hospitalResolutions
        << QStringList{"H.265"} << "600";
    QTest::newRow("another encoding looks its rate up")
        << QStringList{"varRate", "encoding=H.265"} << true << hospitalResolutions
        << QStringList{"H.264", "H.265"} << "1000";
    QTest::newRow("the device type changes nothing in the recommended rate")
        << QStringList{"varRate", "encoding=H.265", "deviceType=1"} << true << hospitalResolutions
        << QStringList{"H.264", "H.265"} << "1000";
    QTest::newRow("another scene fills from its records")
        << QStringList{"varRate", "scene=1"} << true << QStringList{"4MP", "720P"}
        << QStringList{"H.265", "H.264"} << "3000";
    QTest::newRow("pressing VarRate again applies scene 0 again")
        << QStringList{"varRate", "scene=1", "varRate"} << true << hospitalResolutions
        << QStringList{"H.264", "H.265"} << "2000";
    QTest::newRow("Fixed Rate again refills both lists and recomputes")
        << QStringList{"varRate", "scene=1", "fixedRate"} << false << ipcResolutions << fixedEncodings
        << "2048";
    QTest::newRow("Fixed Rate pressed again replaces a typed rate")
        << QStringList{"rate=777", "fixedRate"} << false << ipcResolutions << fixedEncodings << "2048";
    QTest::newRow("a typed rate stays until something changes")
        << QStringList{"rate=777"} << false << ipcResolutions << fixedEncodings << "777";
    QTest::newRow("Fixed Rate after a DVR/NVR choice in the recommended rate")
        << QStringList{"varRate", "deviceType=1", "fixedRate"} << false
        << QStringList{"1080P", "960H"} << fixedEncodings << "2048";
}

void TestDeviceEditor::rateModes()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, sceneShown);
    QFETCH(QStringList, resolutions);
    QFETCH(QStringList, encodings);
    QFETCH(QString, expectedRate);

    DeviceEditor editor;
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    performAll(editor, steps);

    auto *selector = qobject_cast<QWidget *>(editor.getScenceSelector());
    QCOMPARE(selector->isVisible(), sceneShown);
    QCOMPARE(child<QComboBox>(editor, "m_comboxFrameRate")->isVisible(), !sceneShown);
    QCOMPARE(child<QLabel>(editor, "m_labelFrameRate")->isVisible(), !sceneShown);
    QVERIFY(child<QComboBox>(editor, "m_comboxEncodingType")->isVisible());
    QVERIFY(child<QLineEdit>(editor, "m_lineEditScenceRecommandRate")->isVisible());
    QCOMPARE(items(child<QComboBox>(editor, "m_comboBoxResolution")), resolutions);
    QCOMPARE(items(child<QComboBox>(editor, "m_comboxEncodingType")), encodings);
    QCOMPARE(rateText(editor), expectedRate);
}

void TestDeviceEditor::recommendedModeShowsTheScenePicture()
{
    DeviceEditor editor;
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QLabel *picture = child<QLabel>(editor, "m_labelScenceImage");

    perform(editor, QStringLiteral("varRate"));
    // The picture keeps its proportions, centred: its middle is the
    // label's.
    const QImage hospital = picture->pixmap().toImage();
    QVERIFY(!hospital.isNull());
    const QPoint middle(hospital.width() / 2, hospital.height() / 2);
    QCOMPARE(hospital.pixelColor(middle), QColor(Qt::red));

    perform(editor, QStringLiteral("scene=1"));
    QCOMPARE(picture->pixmap().toImage().pixelColor(middle), QColor(Qt::blue));
}

void TestDeviceEditor::selectorHighlightsTheAppliedScene_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("scene");
    QTest::addColumn<QString>("expectedRate");

    QTest::newRow("entering the recommended rate") << QStringList{"varRate"} << 0 << "2000";
    QTest::newRow("another scene chosen") << QStringList{"varRate", "scene=1"} << 1 << "3000";
    QTest::newRow("back from the fixed rate the first scene shows and applies")
        << QStringList{"varRate", "scene=1", "fixedRate", "varRate"} << 0 << "2000";
    QTest::newRow("VarRate pressed again") << QStringList{"varRate", "scene=1", "varRate"} << 0 << "2000";
}

void TestDeviceEditor::selectorHighlightsTheAppliedScene()
{
    QFETCH(QStringList, steps);
    QFETCH(int, scene);
    QFETCH(QString, expectedRate);

    DeviceEditor editor;
    performAll(editor, steps);

    QList<int> highlighted;
    const auto buttons = editor.findChildren<ScenceSelector::ScenceQRaidoButton *>();
    for (const ScenceSelector::ScenceQRaidoButton *button : buttons) {
        if (button->isChecked())
            highlighted.append(button->scenceType());
    }
    QCOMPARE(highlighted, QList<int>{scene});
    QCOMPARE(rateText(editor), expectedRate);
}

void TestDeviceEditor::addIsRefusedWithoutChannelsOrAKnownRate_data()
{
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("notice");

    const QString unknownRate = QStringLiteral("The rate of this device is unknown, so it was not added. "
                                               "After a scene import, restart the software first.");
    QTest::newRow("scene gone from a table imported since the start")
        << "import" << QStringList{"varRate"} << unknownRate;
    QTest::newRow("a negative rate set by the program")
        << "" << QStringList{"programRate=-5"} << unknownRate;
    QTest::newRow("no frame-rate file")
        << "no frames" << QStringList{}
        << "There is no frame rate to choose (Frame.xml), so the device was not added.";
    const QString noChannels = QStringLiteral("Enter a channel count of at least 1.");
    QTest::newRow("an empty channel count") << "" << QStringList{"count="} << noChannels;
    QTest::newRow("a channel count of 0") << "" << QStringList{"count=0"} << noChannels;
    QTest::newRow("a channel count of 00") << "" << QStringList{"count=00"} << noChannels;
}

void TestDeviceEditor::addIsRefusedWithoutChannelsOrAKnownRate()
{
    QFETCH(QString, cause);
    QFETCH(QStringList, steps);
    QFETCH(QString, notice);

    QTemporaryDir tables;
    QVERIFY(DeviceTables::write(tables.path()));
    if (cause == QLatin1String("no frames"))
        QVERIFY(QFile::remove(tables.filePath(QStringLiteral("Frame.xml"))));
    OrvaneGUIToolkit::SetTargetPathOverride(tables.path());

    DeviceEditor editor;
    const AddRecorder adds(editor);
    QSignalSpy cover(&editor, &DeviceEditor::signalCover);
    QSignalSpy discover(&editor, &DeviceEditor::signalDisvocer);
    if (cause == QLatin1String("import")) {
        QVERIFY(writeFixture(tables.path(), QStringLiteral("Scene.csv"),
                             "Scene\nStreet,H.264,4MP,4100,street.png\n"));
    }
    performAll(editor, steps);

    QString shown;
    QString name;
    int coversShown = -1;
    answerNextDialog([&](QDialog *dialog) {
        shown = dialog->findChild<QLabel *>(QStringLiteral("m_labelNULL"))->text();
        name = dialog->objectName();
        coversShown = int(cover.size() - discover.size());
        QTest::mouseClick(dialog->findChild<QAbstractButton *>(QStringLiteral("btnClose")), Qt::LeftButton);
    });
    perform(editor, QStringLiteral("add"));

    QCOMPARE(shown, notice);
    QCOMPARE(name, QStringLiteral("APP_WARNINGDLG"));
    QCOMPARE(coversShown, 1);
    QCOMPARE(discover.size(), 1);
    QVERIFY(adds.records().isEmpty());
    // The refused press used no group number.
    if (cause != QLatin1String("no frames")) {
        performAll(editor, {"programRate=100", "count=1", "add"});
        QCOMPARE(adds.records().size(), 1);
        QCOMPARE(adds.records().first().iChannelGroupNumber, 1);
    }
}

void TestDeviceEditor::record_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("deviceType");
    QTest::addColumn<QString>("channelName");
    QTest::addColumn<int>("channelCounts");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("frameRate");
    QTest::addColumn<QString>("scene");
    QTest::addColumn<double>("bitrate");

    QTest::newRow("fixed rate as started")
        << QStringList{} << "IPC" << "Channel Name(1)" << 1 << "1080P" << "H.264" << "25" << ""
        << 2048.0;
    QTest::newRow("fixed rate DVR/NVR under NTSC")
        << QStringList{"deviceType=1", "ntsc", "resolution=960H", "name=Gate", "count=16"}
        << "DVR/NVR" << "Gate(1)" << 16 << "960H" << "H.264" << "30" << "" << 1160.0;
    QTest::newRow("recommended rate carries the scene and no frame rate")
        << QStringList{"varRate", "resolution=720P"} << "IPC" << "Channel Name(1)" << 1 << "720P"
        << "H.265" << "" << "Hospital" << 600.0;
    QTest::newRow("recommended rate of another scene")
        << QStringList{"varRate", "scene=1", "encoding=H.264"} << "IPC" << "Channel Name(1)" << 1
        << "4MP" << "H.264" << "" << "Street" << 4100.0;
    QTest::newRow("a typed rate is carried as typed")
        << QStringList{"name=Lobby", "count=8", "rate=777"} << "IPC" << "Lobby(1)" << 8 << "1080P"
        << "H.264" << "25" << "" << 777.0;
    QTest::newRow("numbers typed with a group separator keep their value")
        << QStringList{"name=Yard", "count=1,024", "rate=2,048"} << "IPC" << "Yard(1)" << 1024 << "1080P"
        << "H.264" << "25" << "" << 2048.0;
    QTest::newRow("empty name and rate give the bare number and 0 kbps")
        << QStringList{"name=", "rate="} << "IPC" << "(1)" << 1 << "1080P" << "H.264"
        << "25" << "" << 0.0;
}

void TestDeviceEditor::record()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, deviceType);
    QFETCH(QString, channelName);
    QFETCH(int, channelCounts);
    QFETCH(QString, resolution);
    QFETCH(QString, encoding);
    QFETCH(QString, frameRate);
    QFETCH(QString, scene);
    QFETCH(double, bitrate);

    DeviceEditor editor;
    const AddRecorder adds(editor);
    performAll(editor, steps);
    perform(editor, QStringLiteral("add"));

    QCOMPARE(adds.records().size(), 1);
    const StructDeviceItem item = adds.records().first();
    QCOMPARE(item.strDeviceType, deviceType);
    QCOMPARE(item.strChannelName, channelName);
    QCOMPARE(item.strReserved, QString());
    QCOMPARE(item.bReserved, false);
    QCOMPARE(item.strScenceName, scene);
    QCOMPARE(item.strEncodeType, encoding);
    QCOMPARE(item.iChannelCounts, channelCounts);
    QCOMPARE(item.strResolution, resolution);
    QCOMPARE(item.strFrameRate, frameRate);
    QCOMPARE(item.dBitrate, bitrate);
    QCOMPARE(item.iChannelGroupNumber, 1);
}

void TestDeviceEditor::returnInAFieldAdds_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("editMode");
    QTest::addColumn<int>("added");

    QTest::newRow("channel name") << "m_lineEditChannelName" << false << 1;
    QTest::newRow("channel count") << "m_lineEditChannelCounts" << false << 1;
    QTest::newRow("recommended rate") << "m_lineEditScenceRecommandRate" << false << 1;
    QTest::newRow("in the group dialog: the dialog's") << "m_lineEditChannelName" << true << 0;
}

void TestDeviceEditor::returnInAFieldAdds()
{
    QFETCH(QString, field);
    QFETCH(bool, editMode);
    QFETCH(int, added);

    DeviceEditor editor;
    if (editMode)
        editor.setEditMode();
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    const AddRecorder adds(editor);
    performAll(editor, {"name=Hall", "count=4"});
    auto *line = editor.findChild<QLineEdit *>(field);
    line->setFocus();
    QTest::keyClick(line, Qt::Key_Return);
    QCOMPARE(adds.records().size(), added);
}

void TestDeviceEditor::twoPressesDifferOnlyInTheGroupNumber()
{
    DeviceEditor editor;
    const AddRecorder adds(editor);
    QStringList order;
    connect(&editor, &DeviceEditor::signalAppStart, &editor, [&order] { order << QStringLiteral("start"); });
    connect(&editor, &DeviceEditor::signalAddDevice, &editor,
            [&order](StructDeviceItem) { order << QStringLiteral("add"); });

    performAll(editor, {"varRate", "name=Hall", "count=4", "add", "add"});

    QCOMPARE(order, QStringList({"start", "add", "add"}));
    const StructDeviceItem first = adds.records().at(0);
    const StructDeviceItem second = adds.records().at(1);
    QCOMPARE(first.strChannelName, QStringLiteral("Hall(1)"));
    QCOMPARE(second.strChannelName, QStringLiteral("Hall(2)"));
    QCOMPARE(first.iChannelGroupNumber, 1);
    QCOMPARE(second.iChannelGroupNumber, 2);
    QCOMPARE(second.strDeviceType, first.strDeviceType);
    QCOMPARE(second.strScenceName, first.strScenceName);
    QCOMPARE(second.strEncodeType, first.strEncodeType);
    QCOMPARE(second.iChannelCounts, first.iChannelCounts);
    QCOMPARE(second.strResolution, first.strResolution);
    QCOMPARE(second.strFrameRate, first.strFrameRate);
    QCOMPARE(second.dBitrate, first.dBitrate);
}

void TestDeviceEditor::groupNumbers_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("numbers");

    QTest::newRow("numbers count up from 1") << QStringList{"add", "add", "add"} << QList<int>{1, 2, 3};
    QTest::newRow("a given back number is used again, then the count goes on")
        << QStringList{"add", "add", "add", "release=2", "add", "add"} << QList<int>{1, 2, 3, 2, 4};
    QTest::newRow("0 gives every number back")
        << QStringList{"add", "add", "add", "release=0", "add"} << QList<int>{1, 2, 3, 1};
    QTest::newRow("the lowest of two given back numbers comes first")
        << QStringList{"add", "add", "add", "release=3", "release=1", "add", "add", "add"}
        << QList<int>{1, 2, 3, 1, 3, 4};
}

void TestDeviceEditor::groupNumbers()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, numbers);

    DeviceEditor editor;
    const AddRecorder adds(editor);
    performAll(editor, steps);

    QList<int> given;
    for (const StructDeviceItem &item : adds.records()) {
        given.append(item.iChannelGroupNumber);
        QVERIFY(item.strChannelName.endsWith(QStringLiteral("(%1)").arg(item.iChannelGroupNumber)));
    }
    QCOMPARE(given, numbers);
}

void TestDeviceEditor::typedInputIsLimited_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("channel count takes no fifth digit") << "count" << "10245" << "1024";
    QTest::newRow("channel count stops at 1024") << "count" << "1025" << "102";
    QTest::newRow("channel count takes no letters") << "count" << "1a6" << "16";
    QTest::newRow("channel count takes no minus") << "count" << "-3" << "3";
    QTest::newRow("rate takes no seventh digit") << "rate" << "2048000" << "204800";
    QTest::newRow("rate takes no decimal point") << "rate" << "512.5" << "5125";
    QTest::newRow("channel name keeps 20 characters") << "name" << "Entrance hall north side" << "Entrance hall north ";
    // What a plan cannot hold is dropped from a pasted name.
    QTest::newRow("pasted name without line breaks and tabs") << "pasted" << "Gate\r\nNorth\t1" << "GateNorth1";
    QTest::newRow("pasted name without NUL and DEL") << "pasted" << QStringLiteral("Ga\u0000te\u007F") << "Gate";
    QTest::newRow("pasted name without half a pair") << "pasted" << QStringLiteral("Gate") + QChar(0xD800) << "Gate";
}

void TestDeviceEditor::typedInputIsLimited()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    DeviceEditor editor;
    const char *name = field == QLatin1String("count") ? "m_lineEditChannelCounts"
                       : field == QLatin1String("rate") ? "m_lineEditScenceRecommandRate"
                                                        : "m_lineEditChannelName";
    if (field == QLatin1String("pasted")) {
        child<QLineEdit>(editor, name)->selectAll();
        child<QLineEdit>(editor, name)->insert(typed);
    } else {
        perform(editor, field + QLatin1Char('=') + typed);
    }

    QCOMPARE(child<QLineEdit>(editor, name)->text(), shown);
}

void TestDeviceEditor::frameStandardSwitch_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("announced");
    QTest::addColumn<QString>("firstFrame");
    QTest::addColumn<QString>("currentFrame");
    QTest::addColumn<QString>("expectedRate");

    QTest::newRow("to NTSC") << QStringList{"ntsc"} << QList<int>{1} << "60" << "30" << "2457";
    QTest::newRow("back to PAL") << QStringList{"ntsc", "pal"} << QList<int>{1, 0} << "50" << "25" << "2048";
    QTest::newRow("PAL while PAL announces nothing") << QStringList{"pal"} << QList<int>{} << "50" << "25" << "2048";
    QTest::newRow("the second entry is current whatever was chosen")
        << QStringList{"frame=5", "ntsc"} << QList<int>{1} << "60" << "30" << "2457";
}

void TestDeviceEditor::frameStandardSwitch()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, announced);
    QFETCH(QString, firstFrame);
    QFETCH(QString, currentFrame);
    QFETCH(QString, expectedRate);

    DeviceEditor editor;
    QSignalSpy spy(&editor, &DeviceEditor::signalCurrentFrameStandard);
    performAll(editor, steps);

    QList<int> given;
    for (const QList<QVariant> &arguments : std::as_const(spy))
        given.append(arguments.at(0).toInt());
    QCOMPARE(given, announced);
    QComboBox *frames = child<QComboBox>(editor, "m_comboxFrameRate");
    QCOMPARE(frames->itemText(0), firstFrame);
    QCOMPARE(frames->currentText(), currentFrame);
    QCOMPARE(rateText(editor), expectedRate);
}

void TestDeviceEditor::refillingTheFrameListIsNotAnnounced()
{
    DeviceEditor editor;
    QSignalSpy spy(&editor, &DeviceEditor::signalCurrentFrameStandard);

    editor.OnSetFrameByStandard(1);

    QCOMPARE(spy.size(), 0);
    QCOMPARE(child<QComboBox>(editor, "m_comboxFrameRate")->currentText(), QStringLiteral("30"));
    QCOMPARE(rateText(editor), QStringLiteral("2457"));
}

// Open, the editor grows by half as much as the text (made 400 wide, reopened
// 390 at 100 %); the collapsed strip stays as narrow.
void TestDeviceEditor::collapseAndExpand_data()
{
    QTest::addColumn<int>("textSize");
    QTest::addColumn<int>("madeWidth");
    QTest::addColumn<int>("openWidth");
    QTest::newRow("100 %") << 100 << 400 << 390;
    QTest::newRow("125 %") << 125 << 450 << 439;
    QTest::newRow("150 %") << 150 << 500 << 487;
}

void TestDeviceEditor::collapseAndExpand()
{
    QFETCH(int, textSize);
    QFETCH(int, madeWidth);
    QFETCH(int, openWidth);
    qApp->setProperty("textSize", textSize);
    const auto normalText = qScopeGuard([] { qApp->setProperty("textSize", QVariant()); });
    DeviceEditor editor;
    QCOMPARE(editor.width(), madeWidth);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QCheckBox *toggle = child<QCheckBox>(editor, "m_checkBoxSpread");
    QWidget *form = child<QWidget>(editor, "m_verticalWidgetAddBorder");
    QWidget *strip = child<QWidget>(editor, "verticalFrame");
    QVERIFY(form->isVisible());
    QVERIFY(!strip->isVisible());

    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(editor.width(), 34);
    QVERIFY(!form->isVisible());
    QVERIFY(strip->isVisible());

    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(editor.width(), openWidth);
    QVERIFY(form->isVisible());
    QVERIFY(!strip->isVisible());
}

void TestDeviceEditor::withoutScenesThereIsNoRecommendedRate()
{
    QTemporaryDir noScenes;
    QVERIFY(DeviceTables::write(noScenes.path(), false));
    OrvaneGUIToolkit::SetTargetPathOverride(noScenes.path());

    DeviceEditor editor;
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));

    QVERIFY(!child<QRadioButton>(editor, "m_radioButtonVarRate")->isVisible());
    QVERIFY(child<QRadioButton>(editor, "m_radioButtonFixedRate")->isVisible());
    QCOMPARE(rateText(editor), QStringLiteral("2048"));
}

QTEST_MAIN(TestDeviceEditor)
#include "tst_deviceeditor.moc"
