#include "app/startuplook.h"
#include "calc/datacalculatorpage.h"
#include "calc/datadisplaypage.h"
#include "calc/diskarraydialog.h"
#include "calc/sizedisplaypage.h"
#include "data/siteplan.h"
#include "platform/guiinit.h"
#include "platform/targetpath.h"

#include "dialoganswerer.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTemporaryDir>
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

// The inputs of the disk array dialog, as a person types and picks them.
struct ArrayInputs
{
    QString drives;
    QString driveSize;
    QString level;
    QString spares;
    QString fill;
    QString groups = QStringLiteral("2");
};

void enterArray(QWidget *dialog, const ArrayInputs &inputs)
{
    const auto type = [dialog](const char *name, const QString &text) {
        QWidget *field = dialog->findChild<QWidget *>(QLatin1String(name));
        if (auto *spinBox = qobject_cast<QAbstractSpinBox *>(field))
            spinBox->selectAll();
        else
            qobject_cast<QLineEdit *>(field)->selectAll();
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Backspace);
        else
            QTest::keyClicks(field, text);
    };
    auto *level = dialog->findChild<QComboBox *>(QStringLiteral("m_comboBoxLevel"));
    level->setCurrentIndex(level->findText(inputs.level));
    if (dialog->findChild<QWidget *>(QStringLiteral("m_spinBoxDrives"))->isVisible())
        type("m_spinBoxDrives", inputs.drives);
    type("m_lineEditDriveSize", inputs.driveSize);
    type("m_spinBoxGroups", inputs.groups);
    type("m_spinBoxHotSpares", inputs.spares);
    type("m_spinBoxFillLimit", inputs.fill);
}

QString textOf(QWidget *parent, const char *name)
{
    return parent->findChild<QLabel *>(QLatin1String(name))->text();
}

QAbstractButton *confirmButton(QWidget *dialog)
{
    return dialog->findChild<QAbstractButton *>(QStringLiteral("btnConfirm"));
}

} // namespace

Q_DECLARE_METATYPE(ArrayInputs)

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
    void groupsOrTheTotal_data();
    void groupsOrTheTotal();
    void zeroBitrate_data();
    void zeroBitrate();
    void unitToggleComputesOncePerButton();
    void unitToggleKeepsTheFigure_data();
    void unitToggleKeepsTheFigure();
    void diskSizeOutline_data();
    void diskSizeOutline();
    void decimalDiskSizeOfAPlan();
    void diskSizeInTheInterfaceLanguage();
    void sliderAndSpinBoxStayInStep();
    void hiddenPageKeepsItsTexts();
    void pressingTheSelectedSideDoesNothing();
    void fieldsAcceptOnlyWhatTheValidatorsLetThrough_data();
    void fieldsAcceptOnlyWhatTheValidatorsLetThrough();
    void diskArrayDialog_data();
    void diskArrayDialog();
    void diskArrayUse_data();
    void diskArrayUse();
    void drivesLine_data();
    void drivesLine();
    void drivesLineChangesTheArray();
    void resultStaysUnderTheInputs_data();
    void resultStaysUnderTheInputs();
    void buttonsCarryNoToolTipOfTheirOwnText();
    // Last: it installs the program's look for the rest of the run.
    void diskArrayDialogKeepsItsLayout_data();
    void diskArrayDialogKeepsItsLayout();
};

void TestCalculatorPage::resultStaysUnderTheInputs_data()
{
    QTest::addColumn<QString>("side");   // the switch button that shows the page
    QTest::addColumn<QString>("result"); // the page's result

    QTest::newRow("time page") << "m_btnON" << "m_displayPageTime";
    QTest::newRow("size page") << "m_btnOFF" << "m_displayPageSize";
}

// A taller page (a maximised window) keeps its result where a 768-pixel
// window has it, under the inputs; the height it gains stays below.
void TestCalculatorPage::resultStaysUnderTheInputs()
{
    QFETCH(QString, side);
    QFETCH(QString, result);

    CalculatorPage p;
    p.click(qPrintable(side));
    auto *shown = p.find<QWidget>(qPrintable(result));
    p.page.resize(380, 760);
    QCoreApplication::processEvents();
    const int top = shown->mapTo(&p.page, QPoint(0, 0)).y();

    p.page.resize(380, 1100);
    QCoreApplication::processEvents();
    QCOMPARE(shown->mapTo(&p.page, QPoint(0, 0)).y(), top);
}

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
    QTest::newRow("7.5 TB is 7.5, not 75") << 4096.0 << "7.5" << "m_radioBtnTB" << "24"
                                           << QStringList{"165", "23", "5"};
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

// Given the groups, the page computes with their recording and shows the
// range; a total that is not theirs means the list changed, and the page
// computes from the total until it is given the groups again.
void TestCalculatorPage::groupsOrTheTotal_data()
{
    QTest::addColumn<double>("totalAfter"); // 0: none arrives after the groups
    QTest::addColumn<QString>("day");
    QTest::addColumn<bool>("range");

    QTest::newRow("the groups: events at 50 % keep twice as long") << 0.0 << "176" << true;
    QTest::newRow("their own total keeps them") << 4096.0 << "176" << true;
    QTest::newRow("another total: the total's result") << 8192.0 << "44" << false;
}

void TestCalculatorPage::groupsOrTheTotal()
{
    QFETCH(double, totalAfter);
    QFETCH(QString, day);
    QFETCH(bool, range);

    CalculatorPage p;
    p.page.OnDeviceChanged(4096.0);
    RetentionGroup events;
    events.channels = 1;
    events.kbps = 4096;
    events.encoding = QStringLiteral("H.264");
    events.recording.mode = RecordingMode::Events;
    events.recording.eventPercent = 50;
    p.page.setGroups({events});
    if (totalAfter > 0)
        p.page.OnDeviceChanged(totalAfter);
    QCOMPARE(lastTexts(p.time).value(0), day);
    QCOMPARE(!p.labelText("m_labelDayRange").isEmpty(), range);
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

void TestCalculatorPage::unitToggleKeepsTheFigure_data()
{
    QTest::addColumn<QString>("typed"); // in TB
    QTest::addColumn<QString>("inGB");
    QTest::addColumn<QStringList>("timeInGB"); // at 4096 kbps

    // The buttons say which unit the figure is in; GB take no decimals.
    QTest::newRow("4 TB becomes 4 GB") << "4" << "4" << kZeroTime;
    QTest::newRow("7.5 TB becomes 8 GB") << "7.5" << "8" << kZeroTime;
    QTest::newRow("4000.4 TB becomes 4000 GB") << "4000.4" << "4000" << QStringList{"88", "12", "2"};
    QTest::newRow("an empty field stays empty") << "" << "" << kZeroTime;
}

void TestCalculatorPage::unitToggleKeepsTheFigure()
{
    QFETCH(QString, typed);
    QFETCH(QString, inGB);
    QFETCH(QStringList, timeInGB);

    CalculatorPage p;
    p.page.OnDeviceChanged(4096.0);
    auto *field = p.find<QLineEdit>("m_lineEditGT");
    p.type(field, typed);
    p.clearSpies();
    p.click("m_radioBtnGB");
    QCOMPARE(field->text(), inGB);
    // Both buttons' runs see the whole GB figure.
    QCOMPARE(p.time.count(), 2);
    QCOMPARE(texts(p.time.at(0)), timeInGB);
    QCOMPARE(texts(p.time.at(1)), timeInGB);
    QCOMPARE(p.page.inputs().diskSize, inGB.toDouble());

    p.click("m_radioBtnTB");
    QCOMPARE(field->text(), inGB);
}

void TestCalculatorPage::diskSizeOutline_data()
{
    QTest::addColumn<QString>("unitButton");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("outlined");
    QTest::addColumn<QStringList>("time"); // at 4096 kbps

    QTest::newRow("7.5 TB") << "m_radioBtnTB" << "7.5" << false << QStringList{"165", "23", "5"};
    QTest::newRow("7.5 GB: GB are whole, so no size yet") << "m_radioBtnGB" << "7.5" << true << kZeroTime;
    QTest::newRow("7,5 where the comma groups: no size yet") << "m_radioBtnTB" << "7,5" << true << kZeroTime;
    QTest::newRow("an empty field is not outlined") << "m_radioBtnTB" << "" << false << kZeroTime;
}

void TestCalculatorPage::diskSizeOutline()
{
    QFETCH(QString, unitButton);
    QFETCH(QString, typed);
    QFETCH(bool, outlined);
    QFETCH(QStringList, time);

    CalculatorPage p;
    p.page.OnDeviceChanged(4096.0);
    p.click(qPrintable(unitButton));
    auto *field = p.find<QLineEdit>("m_lineEditGT");
    p.type(field, typed);
    QCOMPARE(field->text(), typed);
    QCOMPARE(field->property("refused").toBool(), outlined);
    QCOMPARE(lastTexts(p.time), time);
}

void TestCalculatorPage::decimalDiskSizeOfAPlan()
{
    CalculatorPage p;
    p.page.OnDeviceChanged(4096.0);
    PlanCalculation plan = p.page.inputs();
    plan.diskSize = 7.5;
    p.page.setInputs(plan);
    QCOMPARE(p.find<QLineEdit>("m_lineEditGT")->text(), QStringLiteral("7.5"));
    QCOMPARE(p.page.inputs().diskSize, 7.5);
    QCOMPARE(lastTexts(p.time), (QStringList{"165", "23", "5"}));
}

void TestCalculatorPage::diskSizeInTheInterfaceLanguage()
{
    // An interface whose decimal separator is the comma; the point still is one.
    const QLocale chosen = OrvaneGUIToolkit::GuiLocale();
    OrvaneGUIToolkit::InitGuiLocale(QLocale(QLocale::German, QLocale::Germany));
    CalculatorPage p;
    OrvaneGUIToolkit::InitGuiLocale(chosen);
    p.page.OnDeviceChanged(4096.0);
    auto *field = p.find<QLineEdit>("m_lineEditGT");
    for (const QString &typed : {QStringLiteral("7,5"), QStringLiteral("7.5")}) {
        p.type(field, typed);
        QCOMPARE(field->text(), typed);
        QCOMPARE(lastTexts(p.time), (QStringList{"165", "23", "5"}));
    }
    PlanCalculation plan = p.page.inputs();
    plan.diskSize = 7.25;
    p.page.setInputs(plan);
    QCOMPARE(field->text(), QStringLiteral("7,25"));
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

    QTest::newRow("disk size: letters are refused") << "m_lineEditGT" << "4a.b" << "4.";
    QTest::newRow("disk size: a point and three decimals") << "m_lineEditGT" << "7.1234" << "7.123";
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

void TestCalculatorPage::diskArrayDialog_data()
{
    QTest::addColumn<ArrayInputs>("inputs");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("refusedAt"); // the reason's label, or none
    QTest::addColumn<QString>("entry");

    QTest::newRow("9 × 8 TB in RAID 6 with a spare at 90 %")
        << ArrayInputs{"9", "8", "RAID 6", "1", "90"} << "43.2 TB" << QString() << "43.2 TB.";
    QTest::newRow("3 × 1.2 TB in RAID 0") << ArrayInputs{"3", "1.2", "RAID 0", "0", "100"} << "3.6 TB"
                                          << QString() << "3.6 TB.";
    QTest::newRow("6 × 8 TB in RAID 5: whole TB") << ArrayInputs{"6", "8", "RAID 5", "0", "100"} << "40 TB"
                                                  << QString() << "40 TB.";
    QTest::newRow("5 × 12.5 TB in RAID 0: exact in TB")
        << ArrayInputs{"5", "12.5", "RAID 0", "0", "100"} << "62.5 TB" << QString() << "62.5 TB.";
    QTest::newRow("3 × 1.111 TB in RAID 5 at 90 %: a fraction of a GB")
        << ArrayInputs{"3", "1.111", "RAID 5", "0", "90"} << "1.999 TB" << QString()
        << "1.999 TB. Rounded down to a whole GB";
    QTest::newRow("1 × 0.5 TB at 33 %") << ArrayInputs{"1", "0.5", "Single drives (JBOD)", "0", "33"}
                                        << "165 GB" << QString() << "165 GB.";
    // One refused set per input: the rules themselves are the model's tests.
    QTest::newRow("RAID 5 of 2") << ArrayInputs{"2", "8", "RAID 5", "0", "100"} << "None"
                                 << "m_labelDrivesFault" << QString();
    QTest::newRow("RAID 0 with a hot spare") << ArrayInputs{"5", "8", "RAID 0", "1", "100"} << "None"
                                             << "m_labelHotSparesFault" << QString();
    QTest::newRow("more spares than drives") << ArrayInputs{"4", "8", "RAID 5", "6", "100"} << "None"
                                             << "m_labelHotSparesFault" << QString();
    QTest::newRow("RAID 50 of 7 in 2 groups") << ArrayInputs{"7", "8", "RAID 50", "0", "100"} << "None"
                                              << "m_labelGroupsFault" << QString();
    QTest::newRow("no drive size") << ArrayInputs{"4", "", "RAID 5", "0", "100"} << "None"
                                   << "m_labelDriveSizeFault" << QString();
}

void TestCalculatorPage::diskArrayDialog()
{
    QFETCH(ArrayInputs, inputs);
    QFETCH(QString, result);
    QFETCH(QString, refusedAt);
    QFETCH(QString, entry);

    DiskArrayDialog dialog(DiskArraySetup(), DiskArrayDialog::ForDiskSize);
    dialog.show();
    enterArray(&dialog, inputs);

    QCOMPARE(textOf(&dialog, "m_labelResult"), result);
    for (const char *reason : {"m_labelDrivesFault", "m_labelDriveSizeFault", "m_labelGroupsFault",
                               "m_labelHotSparesFault", "m_labelFillLimitFault"})
        QCOMPARE(textOf(&dialog, reason).isEmpty(), refusedAt != QLatin1String(reason));
    QCOMPARE(confirmButton(&dialog)->isEnabled(), refusedAt.isEmpty());
    QVERIFY2(entry.isEmpty() ? textOf(&dialog, "m_labelEntry").isEmpty()
                             : textOf(&dialog, "m_labelEntry").contains(QStringLiteral("to ") + entry),
             qPrintable(textOf(&dialog, "m_labelEntry")));
}

void TestCalculatorPage::diskArrayDialogKeepsItsLayout_data()
{
    QTest::addColumn<ArrayInputs>("inputs");

    // The longest reason of each input.
    QTest::newRow("RAID 60 of 7 in 16 groups") << ArrayInputs{"7", "8", "RAID 60", "0", "100", "16"};
    QTest::newRow("RAID 1 of 3") << ArrayInputs{"3", "8", "RAID 1", "0", "100"};
    QTest::newRow("RAID 5 of 33") << ArrayInputs{"33", "8", "RAID 5", "0", "100"};
    QTest::newRow("a 250 TB drive") << ArrayInputs{"4", "250", "RAID 5", "0", "100"};
    QTest::newRow("RAID 50 of 63 in 2 groups") << ArrayInputs{"63", "8", "RAID 50", "0", "100"};
    QTest::newRow("single drives with a spare") << ArrayInputs{"4", "8", "Single drives (JBOD)", "1", "100"};
    QTest::newRow("as many spares as drives") << ArrayInputs{"4", "8", "RAID 5", "4", "100"};
    QTest::newRow("every input refused") << ArrayInputs{"0", "", "RAID 50", "1", "100", "2"};
}

void TestCalculatorPage::diskArrayDialogKeepsItsLayout()
{
    QFETCH(ArrayInputs, inputs);

    // The skin's fonts and spacing, which a cramped layout would squeeze.
    static const bool look = [] {
        // The default look at 100 %, whatever the tester chose for their own.
        static QTemporaryDir userSettings;
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, userSettings.path());
        qunsetenv("GTK_THEME");
        OrvaneGUIToolkit::SetTargetPathOverride(QStringLiteral(LARKSPAN_STAGE_DIR));
        QCoreApplication::addLibraryPath(QStringLiteral(LARKSPAN_STAGE_DIR "/plugins"));
        return apt::installStartupLook();
    }();
    QVERIFY(look);
    // The fullest valid set: a wrapped breakdown and a note under Use.
    DiskArrayDialog dialog(DiskArraySetup{33, 1111, RaidLevel::Raid60, 3, 3, 90}, DiskArrayDialog::ForDiskSize);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // Everything down to the result: what is below it holds longer or
    // shorter texts.
    const char *const names[] = {"m_spinBoxDrives", "m_lineEditDriveSize", "m_comboBoxLevel", "m_spinBoxGroups",
                                 "m_spinBoxHotSpares", "m_spinBoxFillLimit", "m_labelDrivesFault",
                                 "m_labelDriveSizeFault", "m_labelGroupsFault", "m_labelHotSparesFault",
                                 "m_labelFillLimitFault", "m_lineResult", "m_labelResultTitle", "m_labelResult",
                                 "m_labelBreakdown"};
    const auto geometries = [&dialog, &names] {
        QList<QRect> rects;
        for (const char *name : names) {
            const auto *widget = dialog.findChild<QWidget *>(QLatin1String(name));
            rects << QRect(widget->mapTo(&dialog, QPoint()), widget->size());
        }
        return rects;
    };
    const QList<QRect> before = geometries();
    enterArray(&dialog, inputs);
    QCOMPARE(textOf(&dialog, "m_labelResult"), QStringLiteral("None"));
    QCoreApplication::processEvents();
    QCOMPARE(geometries(), before);
    // Each reason fits the room it has.
    for (const char *name : {"m_labelDrivesFault", "m_labelDriveSizeFault", "m_labelGroupsFault",
                             "m_labelHotSparesFault", "m_labelFillLimitFault"}) {
        const auto *reason = dialog.findChild<QLabel *>(QLatin1String(name));
        QVERIFY2(reason->heightForWidth(reason->width()) <= reason->height(), qPrintable(reason->text()));
    }
}

void TestCalculatorPage::diskArrayUse_data()
{
    QTest::addColumn<bool>("use");
    QTest::addColumn<QString>("diskSize");
    QTest::addColumn<QString>("unitButton");
    QTest::addColumn<QStringList>("time");

    // 4096 kbps: 4 TB last 88 days, so 40 TB 880 and 43.2 TB 950.
    QTest::newRow("Use: 43.2 TB") << true << "43.2" << "m_radioBtnTB" << QStringList{"950", "135", "31"};
    QTest::newRow("Cancel changes nothing") << false << "4" << "m_radioBtnTB" << QStringList{"88", "12", "2"};
}

void TestCalculatorPage::diskArrayUse()
{
    QFETCH(bool, use);
    QFETCH(QString, diskSize);
    QFETCH(QString, unitButton);
    QFETCH(QStringList, time);

    CalculatorPage p;
    p.page.OnDeviceChanged(4096.0);
    QSignalSpy cover(&p.page, &DataCalculatorPage::signalCover);
    QSignalSpy discover(&p.page, &DataCalculatorPage::signalDiscover);
    QSignalSpy changed(&p.page, &DataCalculatorPage::signalInputsChanged);
    const ArrayInputs sample{"9", "8", "RAID 6", "1", "90"};
    answerNextDialog([use, sample](QDialog *dialog) {
        enterArray(dialog, sample);
        QTest::mouseClick(use ? confirmButton(dialog)
                              : dialog->findChild<QAbstractButton *>(QStringLiteral("btnCancel")),
                          Qt::LeftButton);
    });
    p.click("m_btnDiskArray");

    QCOMPARE(cover.count(), 1);
    QCOMPARE(discover.count(), 1);
    QCOMPARE(p.find<QLineEdit>("m_lineEditGT")->text(), diskSize);
    QVERIFY(p.find<QAbstractButton>(qPrintable(unitButton))->isChecked());
    QCOMPARE(lastTexts(p.time), time);
    QCOMPARE(changed.isEmpty(), !use);
    // The set is remembered when used, and the dialog opens on it.
    const DiskArraySetup expected = use ? DiskArraySetup{9, 8000, RaidLevel::Raid6, 2, 1, 90} : DiskArraySetup();
    QCOMPARE(p.page.inputs().diskArray, expected);
    QString reopened;
    answerNextDialog([&reopened](QDialog *dialog) {
        reopened = textOf(dialog, "m_labelResult");
        dialog->reject();
    });
    p.click("m_btnDiskArray");
    QCOMPARE(reopened, use ? QStringLiteral("43.2 TB") : QStringLiteral("24 TB"));
}

void TestCalculatorPage::drivesLine_data()
{
    QTest::addColumn<double>("bitrate");
    QTest::addColumn<QString>("saveTime");
    QTest::addColumn<QString>("periodButton");
    QTest::addColumn<QString>("line"); // empty: no line

    // With the array's defaults: 8 TB drives in RAID 5, no spare, 100 %.
    QTest::newRow("319 GB: the fewest RAID 5 drives") << 4096.0 << "1" << "m_radioBtnWeek"
                                                       << "3 × 8 TB in RAID 5\n(2 data + 1 parity)";
    QTest::newRow("17 TB") << 4096.0 << "365" << "m_radioBtnDay" << "4 × 8 TB in RAID 5\n(3 data + 1 parity)";
    QTest::newRow("405 TB: past a RAID 5 set") << 1e5 << "365" << "m_radioBtnDay"
                                               << "No RAID 5 array of 8 TB drives holds 405 TB\n"
                                                  "(the largest, 32 drives, holds 248 TB)";
    QTest::newRow("more than 50000 TB: no count") << 1e6 << "365" << "m_radioMonth" << QString();
    QTest::newRow("0 GB: no count") << 4096.0 << "0" << "m_radioBtnWeek" << QString();
    QTest::newRow("no bitrate: no count") << 0.0 << "1" << "m_radioBtnWeek" << QString();
}

void TestCalculatorPage::drivesLine()
{
    QFETCH(double, bitrate);
    QFETCH(QString, saveTime);
    QFETCH(QString, periodButton);
    QFETCH(QString, line);

    CalculatorPage p;
    p.page.OnDeviceChanged(4096.0);
    p.click("m_btnOFF");
    p.click(qPrintable(periodButton));
    p.type(p.find<QLineEdit>("m_lineEditSaveTime"), saveTime);
    p.page.OnDeviceChanged(bitrate);

    auto *drives = p.find<QPushButton>("m_btnDrivesNeeded");
    QCOMPARE(drives->isVisible(), !line.isEmpty());
    if (!line.isEmpty())
        QCOMPARE(drives->text(), line);
}

void TestCalculatorPage::drivesLineChangesTheArray()
{
    CalculatorPage p;
    p.page.OnDeviceChanged(4096.0);
    PlanCalculation plan = p.page.inputs();
    plan.sizeShown = true;
    plan.saveTime = 365;
    plan.saveUnit = PeriodUnit::Day;
    plan.diskArray = {7, 8000, RaidLevel::Raid6, 2, 0, 100};
    p.page.setInputs(plan);
    auto *drives = p.find<QPushButton>("m_btnDrivesNeeded");
    QCOMPARE(drives->text(), QStringLiteral("5 × 8 TB in RAID 6\n(3 data + 2 parity)"));

    // The count is the answer here: the dialog leaves it out, and Apply
    // keeps the other inputs and the count last used for the disk size.
    QSignalSpy changed(&p.page, &DataCalculatorPage::signalInputsChanged);
    bool countShown = true;
    answerNextDialog([&countShown](QDialog *dialog) {
        countShown = dialog->findChild<QWidget *>(QStringLiteral("m_spinBoxDrives"))->isVisible();
        enterArray(dialog, {QString(), "10", "RAID 10", "1", "100"});
        QTest::mouseClick(confirmButton(dialog), Qt::LeftButton);
    });
    // Reached from the keyboard as well as by the mouse.
    p.page.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&p.page));
    drives->setFocus(Qt::TabFocusReason);
    QVERIFY(drives->hasFocus());
    QTest::keyClick(drives, Qt::Key_Space);
    QVERIFY(!countShown);
    QCOMPARE(drives->text(), QStringLiteral("5 × 10 TB in RAID 10\n(2 data + 2 mirror + 1 hot spare(s))"));
    QCOMPARE(p.page.inputs().diskArray, (DiskArraySetup{7, 10000, RaidLevel::Raid10, 2, 1, 100}));
    QCOMPARE(changed.count(), 1);
}

void TestCalculatorPage::buttonsCarryNoToolTipOfTheirOwnText()
{
    // The application shows a button's own text for any tool tip it has:
    // on a button with a text, a tool tip only repeats it.
    CalculatorPage p;
    for (QPushButton *button : p.page.findChildren<QPushButton *>()) {
        if (!button->text().isEmpty())
            QVERIFY2(button->toolTip().isEmpty(), qPrintable(button->objectName()));
    }
}

QTEST_MAIN(TestCalculatorPage)
#include "tst_calculatorpage.moc"
