#include "device/deviceaddpage.h"
#include "device/deviceitemwidget.h"
#include "platform/targetpath.h"

#include "childwidget.h"
#include "devicetables.h"
#include "dialoganswerer.h"

#include <QApplication>
#include <QLabel>
#include <QMimeData>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

#include <climits>

using NM_Larkspan::DeviceItemWidget;

namespace {

StructDeviceItem group(const QString &type, int counts, const QString &resolution,
                       const QString &frameRate, double bitrate, int number,
                       const QString &encoding = QStringLiteral("H.264"),
                       const QString &scene = QString())
{
    StructDeviceItem item;
    item.strDeviceType = type;
    item.strChannelName = QStringLiteral("Group(%1)").arg(number);
    item.strScenceName = scene;
    item.strEncodeType = encoding;
    item.iChannelCounts = counts;
    item.strResolution = resolution;
    item.strFrameRate = frameRate;
    item.dBitrate = bitrate;
    item.iChannelGroupNumber = number;
    return item;
}

StructDeviceItem ipc(int counts, double bitrate, int number = 1)
{
    return group(QStringLiteral("IPC"), counts, QStringLiteral("1080P"), QStringLiteral("25"),
                 bitrate, number);
}

QListWidget *listOf(DeviceAddPage &page)
{
    return child<QListWidget>(page, "m_listWidgetDiskData");
}

DeviceItemWidget *rowAt(DeviceAddPage &page, int position)
{
    QListWidget *list = listOf(page);
    return qobject_cast<DeviceItemWidget *>(list->itemWidget(list->item(position)));
}

// The five information labels in the order they are read.
QList<QLabel *> infoLabels(DeviceItemWidget &row)
{
    QList<QLabel *> labels;
    for (const char *name : {"m_labelDeviceCounts", "m_labelDeviceBitRate", "m_labelDeviceResolution",
                             "m_labelEncodeType", "m_labelScenceName"}) {
        labels.append(child<QLabel>(row, name));
    }
    return labels;
}

QStringList labelTexts(DeviceItemWidget &row)
{
    QStringList texts;
    for (QLabel *label : infoLabels(row))
        texts.append(label->text());
    return texts;
}

QStringList labelToolTips(DeviceItemWidget &row)
{
    QStringList tips;
    for (QLabel *label : infoLabels(row))
        tips.append(label->toolTip());
    return tips;
}

// What the page tells the others, in order: "total 8704.5", "deleted 3",
// "cover", "uncover".
class PageLog
{
public:
    explicit PageLog(DeviceAddPage &page)
    {
        QObject::connect(&page, &DeviceAddPage::SignalDeviceChanged, &m_context,
                         [this](double total) { m_events << QStringLiteral("total %1").arg(total); });
        QObject::connect(&page, &DeviceAddPage::SianalDeviceDelete, &m_context,
                         [this](int number) { m_events << QStringLiteral("deleted %1").arg(number); });
        QObject::connect(&page, &DeviceAddPage::signalCover, &m_context,
                         [this] { m_events << QStringLiteral("cover"); });
        QObject::connect(&page, &DeviceAddPage::signalDisvocer, &m_context,
                         [this] { m_events << QStringLiteral("uncover"); });
    }

    QStringList take() { return std::exchange(m_events, {}); }

private:
    QObject m_context;
    QStringList m_events;
};

// Answers the clear confirmation with the bottom bar button or the title
// bar's close button and notes what the dialog asked.
void answerClear(const QString &button, QString *asked)
{
    answerNextDialog([button, asked](QDialog *dialog) {
        const auto labels = dialog->findChildren<QLabel *>();
        for (QLabel *label : labels)
            *asked += label->text() + QLatin1Char('|');
        *asked += QStringLiteral("%1x%2").arg(dialog->width()).arg(dialog->height());
        if (button == QLatin1String("close")) {
            dialog->reject();
            return;
        }
        QTest::mouseClick(dialog->findChild<QPushButton *>(button), Qt::LeftButton);
    });
}

} // namespace

class TestDeviceList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void rowLabels_data();
    void rowLabels();
    void rowFrameRateUpdate();
    void rowIcon_data();
    void rowIcon();
    void rowDeleteReportsKeyAndNumber_data();
    void rowDeleteReportsKeyAndNumber();
    void rowLayout_data();
    void rowLayout();

    void total_data();
    void total();
    void addingWithoutAnnouncing();
    void keysAreNeverReused();
    void deleteThroughTheRowButton_data();
    void deleteThroughTheRowButton();
    void deletingAnUnlistedKeyStillAnnounces();
    void clear_data();
    void clear();
    void clearingAnEmptyListAsksNothing();
    void rowHeights_data();
    void rowHeights();
    void frameStandardConversion_data();
    void frameStandardConversion();
    void translatedDeviceTypesAreConverted();
    void conversionReadsTablesAsTheyStand();
    void lateRowsShowWhatEarlyRowsShow_data();
    void lateRowsShowWhatEarlyRowsShow();
    void rowsInViewAreBuilt_data();
    void rowsInViewAreBuilt();
    void dragCarriesTheGroup_data();
    void dragCarriesTheGroup();

private:
    QTemporaryDir m_tables;
};

void TestDeviceList::initTestCase()
{
    QVERIFY(DeviceTables::write(m_tables.path()));
    OrvaneGUIToolkit::SetTargetPathOverride(m_tables.path());
}

void TestDeviceList::rowLabels_data()
{
    QTest::addColumn<StructDeviceItem>("item");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("toolTips");

    const QStringList fixed{"Counts : 8", "Fixted Rate : 4096 kbps", "Frame Rate : 25",
                            "Resolution : 4MP", "Encode Type : H.264"};
    QTest::newRow("fixed-rate group")
        << group("IPC", 8, "4MP", "25", 4096, 1) << fixed << fixed;
    const QStringList recommended{"Counts : 2", "Variable Rate : 2000 kbps", "Resolution : 1080P",
                                  "Encode Type : H.265", "Scene Type : Hospital"};
    QStringList recommendedTips = recommended;
    recommendedTips[2].clear();
    QTest::newRow("recommended-rate group has no resolution tool tip")
        << group("IPC", 2, "1080P", "", 2000, 1, "H.265", "Hospital") << recommended << recommendedTips;
    const QStringList fraction{"Counts : 0", "Fixted Rate : 1234.57 kbps", "Frame Rate : 1/2",
                               "Resolution : D1", "Encode Type : H.264+"};
    QTest::newRow("rate with six significant digits")
        << group("DVR/NVR", 0, "D1", "1/2", 1234.5678, 1, "H.264+") << fraction << fraction;
}

void TestDeviceList::rowLabels()
{
    QFETCH(StructDeviceItem, item);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, toolTips);

    DeviceAddPage page;
    page.addDeviceTypeItem(item);
    DeviceItemWidget *row = rowAt(page, 0);

    QCOMPARE(child<QLabel>(*row, "m_labelChannelGroupName")->text(), item.strChannelName);
    QCOMPARE(labelTexts(*row), texts);
    QCOMPARE(labelToolTips(*row), toolTips);
}

void TestDeviceList::rowFrameRateUpdate()
{
    DeviceItemWidget row(nullptr, QStringLiteral("IPC"), QStringLiteral("Lobby(1)"), QString());
    row.setDeviceData(3, QStringLiteral("1080P"), QStringLiteral("25"), 1234.5678, 1, 1,
                      QStringLiteral("H.264"), QString());
    const QStringList tipsBefore = labelToolTips(row);

    row.updateFrameRate(QStringLiteral("30"), 1234.5678);

    QCOMPARE(labelTexts(row).mid(1, 2),
             QStringList({"Fixted Rate : 1234 kbps", "Frame Rate : 30"}));
    QCOMPARE(labelToolTips(row), tipsBefore);
}

void TestDeviceList::rowIcon_data()
{
    QTest::addColumn<QString>("deviceType");
    QTest::addColumn<bool>("dvrIcon");

    QTest::newRow("DVR/NVR") << "DVR/NVR" << true;
    QTest::newRow("dvr/nvr in lower case") << "dvr/nvr" << true;
    QTest::newRow("Dvr/Nvr in mixed case") << "Dvr/Nvr" << true;
    QTest::newRow("IPC") << "IPC" << false;
    QTest::newRow("NVR alone is no recorder text") << "NVR" << false;
    QTest::newRow("empty type") << "" << false;
}

void TestDeviceList::rowIcon()
{
    QFETCH(QString, deviceType);
    QFETCH(bool, dvrIcon);

    DeviceItemWidget row(nullptr, deviceType, QStringLiteral("Gate(2)"), QString());

    QCOMPARE(!child<QLabel>(row, "m_labelDeviceTypeIconDVR")->isHidden(), dvrIcon);
    QCOMPARE(!child<QLabel>(row, "m_labelDeviceTypeIconIPC")->isHidden(), !dvrIcon);
}

void TestDeviceList::rowDeleteReportsKeyAndNumber_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("number");

    QTest::newRow("first key") << 1 << 1;
    QTest::newRow("largest 32-bit key") << INT_MAX << 7;
}

void TestDeviceList::rowDeleteReportsKeyAndNumber()
{
    QFETCH(int, key);
    QFETCH(int, number);

    DeviceItemWidget row(nullptr, QStringLiteral("IPC"), QStringLiteral("Gate(2)"), QString());
    row.setDeviceData(1, QStringLiteral("1080P"), QStringLiteral("25"), 2048, key, number,
                      QStringLiteral("H.264"), QString());
    QSignalSpy spy(&row, &DeviceItemWidget::signalDeleteClicked);

    QTest::mouseClick(child<QToolButton>(row, "m_btnDelete"), Qt::LeftButton);

    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toLongLong(), static_cast<long long>(key));
    QCOMPARE(spy.at(0).at(1).toInt(), number);
}

void TestDeviceList::rowLayout_data()
{
    QTest::addColumn<int>("textSize");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<bool>("oneLine");
    QTest::addColumn<int>("rateWidth");
    QTest::addColumn<int>("encodingWidth");
    QTest::addColumn<int>("sceneWidth");
    QTest::addColumn<int>("resolutionWidth");
    QTest::addColumn<bool>("lastOnItsOwnLine");
    QTest::addColumn<int>("countsWidth");

    const auto row = [](const char *name, QList<int> widths, bool oneLine, int rate, int encoding, int scene) {
        QTest::newRow(name) << 100 << widths << oneLine << rate << encoding << scene << 120 << false << 120;
    };
    row("400: two lines", {400}, false, 200, 120, 134);
    row("459: two lines, narrow encoding", {459}, false, 200, 120, 193);
    row("460: two lines, wide encoding", {460}, false, 200, 200, 114);
    row("500: two lines", {500}, false, 200, 200, 154);
    row("639: two lines", {639}, false, 200, 200, 293);
    row("640: one line", {640}, true, 120, 120, 374);
    row("700: one line", {700}, true, 120, 120, 434);
    row("740: one line, narrow labels", {740}, true, 120, 120, 474);
    row("741: one line, wide labels", {741}, true, 200, 200, 315);
    row("800: one line", {800}, true, 200, 200, 374);
    row("800 after 400 comes back to one line", {400, 800}, true, 200, 200, 374);
    row("400 after 800 goes back to two lines", {800, 400}, false, 200, 120, 134);
    // Larger text: every width and threshold grows with it; where the row is
    // too narrow for three columns even so, the last gets a line of its own
    // and the two before it share theirs.
    QTest::newRow("125 %, 500: two lines, narrow encoding") << 125 << QList<int>{500} << false << 250 << 150
                                                          << 167 << 150 << false << 150;
    QTest::newRow("150 %, 900: two lines") << 150 << QList<int>{900} << false << 300 << 300 << 381 << 180
                                           << false << 180;
    QTest::newRow("150 %, 1200: one line") << 150 << QList<int>{1200} << true << 300 << 300 << 561 << 180
                                           << false << 180;
    QTest::newRow("150 %, 400: three lines") << 150 << QList<int>{400} << false << 244 << 184 << 374 << 184
                                             << true << 124;
    QTest::newRow("150 %, 566: two lines") << 150 << QList<int>{566} << false << 300 << 180 << 167 << 180
                                           << false << 180;
    QTest::newRow("150 %, 400 after 900: three lines") << 150 << QList<int>{900, 400} << false << 244 << 184
                                                       << 374 << 184 << true << 124;
    QTest::newRow("150 %, 900 after 400: two lines again") << 150 << QList<int>{400, 900} << false << 300
                                                           << 300 << 381 << 180 << false << 180;
}

void TestDeviceList::rowLayout()
{
    QFETCH(int, textSize);
    QFETCH(QList<int>, widths);
    QFETCH(bool, oneLine);
    QFETCH(int, rateWidth);
    QFETCH(int, encodingWidth);
    QFETCH(int, sceneWidth);
    QFETCH(int, resolutionWidth);
    QFETCH(bool, lastOnItsOwnLine);
    QFETCH(int, countsWidth);
    qApp->setProperty("textSize", textSize);
    const auto normalText = qScopeGuard([] { qApp->setProperty("textSize", QVariant()); });

    // Inside a parent, as in the list: a window would not shrink below what
    // its labels need.
    QWidget host;
    host.resize(1000, 100);
    auto *row = new DeviceItemWidget(nullptr, QStringLiteral("IPC"), QStringLiteral("Lobby(1)"), QString());
    row->setParent(&host);
    row->setDeviceData(8, QStringLiteral("1080P"), QStringLiteral("25"), 4096, 1, 1,
                       QStringLiteral("H.264"), QString());
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    for (int width : widths) {
        row->resize(width, 84);
        QCoreApplication::processEvents();
    }

    QLabel *counts = child<QLabel>(*row, "m_labelDeviceCounts");
    QLabel *rate = child<QLabel>(*row, "m_labelDeviceBitRate");
    QLabel *resolution = child<QLabel>(*row, "m_labelDeviceResolution");
    QLabel *encoding = child<QLabel>(*row, "m_labelEncodeType");
    QLabel *scene = child<QLabel>(*row, "m_labelScenceName");
    QCOMPARE(rate->width(), rateWidth);
    QCOMPARE(encoding->width(), encodingWidth);
    QCOMPARE(scene->width(), sceneWidth);
    QCOMPARE(resolution->width(), resolutionWidth);
    QCOMPARE(counts->width(), countsWidth);

    // Counts and rate always lead; the rest follows them on their line or
    // forms a line of its own below them.
    QCOMPARE(counts->y(), rate->y());
    QVERIFY(counts->x() < rate->x());
    QCOMPARE(resolution->y() == counts->y(), oneLine);
    if (oneLine)
        QVERIFY(rate->x() < resolution->x());
    else
        QVERIFY(resolution->y() > counts->y());
    QVERIFY(resolution->x() < encoding->x());
    QCOMPARE(scene->y() > encoding->y(), lastOnItsOwnLine);
    if (lastOnItsOwnLine)
        QCOMPARE(scene->x(), resolution->x());
    else
        QVERIFY(encoding->x() < scene->x());
    QCOMPARE(child<QFrame>(*row, "line4")->isVisible(), !lastOnItsOwnLine);
    QCOMPARE(child<QFrame>(*row, "line2")->isVisible(), oneLine);
    QVERIFY(child<QFrame>(*row, "line1")->isVisible());
}

void TestDeviceList::total_data()
{
    QTest::addColumn<QList<StructDeviceItem>>("groups");
    QTest::addColumn<QList<double>>("totals");

    QTest::newRow("4 x 2048 and 1 x 512.5")
        << QList<StructDeviceItem>{ipc(4, 2048, 1), ipc(1, 512.5, 2)} << QList<double>{8192, 8704.5};
    QTest::newRow("a group of 0 channels adds nothing")
        << QList<StructDeviceItem>{ipc(0, 4096, 1), ipc(2, 100, 2)} << QList<double>{0, 200};
    QTest::newRow("a negative rate is summed unchanged")
        << QList<StructDeviceItem>{ipc(3, 1000, 1), ipc(2, -10, 2)} << QList<double>{3000, 2980};
}

void TestDeviceList::total()
{
    QFETCH(QList<StructDeviceItem>, groups);
    QFETCH(QList<double>, totals);

    DeviceAddPage page;
    QSignalSpy spy(&page, &DeviceAddPage::SignalDeviceChanged);
    for (const StructDeviceItem &item : std::as_const(groups))
        page.addDeviceTypeItem(item);

    QList<double> emitted;
    for (const QList<QVariant> &arguments : std::as_const(spy))
        emitted.append(arguments.at(0).toDouble());
    QCOMPARE(emitted, totals);
    QCOMPARE(page.getTotalBitrate(), totals.last());
    QCOMPARE(listOf(page)->count(), groups.size());
}

void TestDeviceList::addingWithoutAnnouncing()
{
    DeviceAddPage page;
    PageLog log(page);

    page.addDeviceTypeItem(ipc(4, 2048), false);
    QCOMPARE(log.take(), QStringList());

    // The list is not empty, so replacing it asks first; a declined
    // question leaves the old group, and the new ones join it.
    QString asked;
    answerClear(QStringLiteral("btnCancel"), &asked);
    page.setDeviceTypeData({ipc(1, 100, 2), ipc(2, 100, 3)});
    QCOMPARE(log.take(), QStringList({"cover", "uncover", "total 8492"}));
    QCOMPARE(page.getDeviceData().keys(), QList<long long>({1, 2, 3}));
}

void TestDeviceList::keysAreNeverReused()
{
    DeviceAddPage page;
    page.addDeviceTypeItem(ipc(1, 100, 1));
    page.addDeviceTypeItem(ipc(2, 200, 2));
    QCOMPARE(page.getDeviceData().keys(), QList<long long>({1, 2}));
    QCOMPARE(page.getDeviceData().value(2).iChannelCounts, 2);

    QString asked;
    answerClear(QStringLiteral("btnConfirm"), &asked);
    page.onClearDeviceItems();
    page.addDeviceTypeItem(ipc(5, 500, 1));

    QCOMPARE(page.getDeviceData().keys(), QList<long long>({3}));
    QCOMPARE(page.getDeviceData().value(3).iChannelGroupNumber, 1);
    QCOMPARE(page.getDeviceData().value(3).dBitrate, 500.0);
}

void TestDeviceList::deleteThroughTheRowButton_data()
{
    QTest::addColumn<QString>("widget"); // what has the focus: the row, its pencil or bin
    QTest::addColumn<int>("key");        // 0 for a click on the bin
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("deleted");      // the position deleted, -1 for none
    QTest::addColumn<int>("focusedAfter"); // the row with the focus after it, -1 for none

    QTest::newRow("click on the middle bin: the next row")
        << "m_btnDelete" << 0 << 3 << 1 << 1;
    QTest::newRow("Delete on the middle row: the next row") << "row" << int(Qt::Key_Delete) << 3 << 1 << 1;
    QTest::newRow("Delete on the last row: the one above") << "row" << int(Qt::Key_Delete) << 3 << 2 << 1;
    QTest::newRow("Delete on the only row: the list is left") << "row" << int(Qt::Key_Delete) << 1 << 0 << -1;
    QTest::newRow("Delete on the pencil") << "m_btnEdit" << int(Qt::Key_Delete) << 3 << 0 << 0;
    QTest::newRow("Space on the bin") << "m_btnDelete" << int(Qt::Key_Space) << 3 << 0 << 0;
    QTest::newRow("Return on the bin") << "m_btnDelete" << int(Qt::Key_Return) << 3 << 1 << 1;
    QTest::newRow("Return on the row edits, deletes nothing") << "row" << int(Qt::Key_Return) << 3 << -1 << 1;
    QTest::newRow("Return on the pencil edits, deletes nothing")
        << "m_btnEdit" << int(Qt::Key_Return) << 3 << -1 << 1;
}

// The bin's click, and Delete on the row or its buttons, delete the group
// and pass the focus on to a row that is still there.
void TestDeviceList::deleteThroughTheRowButton()
{
    QFETCH(QString, widget);
    QFETCH(int, key);
    QFETCH(int, rows);
    QFETCH(int, deleted);
    QFETCH(int, focusedAfter);

    DeviceAddPage page;
    page.resize(500, 497);
    page.show();
    QVERIFY(QTest::qWaitForWindowActive(&page));
    for (int i = 0; i < rows; ++i)
        page.addDeviceTypeItem(ipc(1, 100 * (i + 1), i + 1));
    PageLog log(page);
    QSignalSpy edits(&page, &DeviceAddPage::signalEditDevice);
    QSignalSpy focusLeft(&page, &DeviceAddPage::signalFocusLeavesList);
    const int acted = deleted >= 0 ? deleted : 1;
    QPointer<DeviceItemWidget> row = rowAt(page, acted);
    row->setFocus(Qt::TabFocusReason);
    QWidget *target = row;
    if (widget != QLatin1String("row")) {
        target = child<QWidget>(*row, qPrintable(widget));
        QVERIFY(target->isVisible());
        target->setFocus(Qt::TabFocusReason);
    }

    if (key == 0)
        QTest::mouseClick(target, Qt::LeftButton);
    else
        QTest::keyClick(target, Qt::Key(key));

    if (deleted < 0) {
        QCOMPARE(log.take(), QStringList());
        QCOMPARE(edits.count(), 1);
        QCOMPARE(listOf(page)->count(), rows);
        QVERIFY(child<QWidget>(*row, "m_btnEdit")->isVisible());
        return;
    }
    QCOMPARE(log.take().value(0), QStringLiteral("deleted %1").arg(deleted + 1));
    QCOMPARE(edits.count(), 0);
    QCOMPARE(listOf(page)->count(), rows - 1);
    QTRY_VERIFY(row.isNull());
    QCOMPARE(focusLeft.count(), focusedAfter < 0 ? 1 : 0);
    if (focusedAfter >= 0) {
        QWidget *focus = QApplication::focusWidget();
        QCOMPARE(focus, static_cast<QWidget *>(rowAt(page, focusedAfter)));
        // The pencil shows on the row that took the focus.
        QVERIFY(child<QWidget>(*focus, "m_btnEdit")->isVisible());
    }
}

void TestDeviceList::deletingAnUnlistedKeyStillAnnounces()
{
    DeviceAddPage page;
    page.addDeviceTypeItem(ipc(4, 2048, 1));
    PageLog log(page);

    page.OnDeleteDeviceItem(42, 9);

    QCOMPARE(log.take(), QStringList({"deleted 9", "total 8192"}));
    QCOMPARE(listOf(page)->count(), 1);
}

void TestDeviceList::clear_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<int>("rowsLeft");

    QTest::newRow("Confirm clears and uncovers twice")
        << "btnConfirm" << QStringList{"cover", "uncover", "deleted 0", "total 0", "uncover"} << 0;
    QTest::newRow("Cancel keeps everything") << "btnCancel" << QStringList{"cover", "uncover"} << 2;
    QTest::newRow("closing the dialog keeps everything") << "close" << QStringList{"cover", "uncover"} << 2;
}

void TestDeviceList::clear()
{
    QFETCH(QString, button);
    QFETCH(QStringList, events);
    QFETCH(int, rowsLeft);

    DeviceAddPage page;
    page.addDeviceTypeItem(ipc(4, 2048, 1));
    page.addDeviceTypeItem(ipc(1, 512.5, 2));
    PageLog log(page);
    QString asked;
    answerClear(button, &asked);

    page.onClearDeviceItems();

    QCOMPARE(log.take(), events);
    QVERIFY2(asked.contains(QStringLiteral("Clear all the channels?")), qPrintable(asked));
    QVERIFY2(asked.endsWith(QStringLiteral("350x220")), qPrintable(asked));
    QCOMPARE(listOf(page)->count(), rowsLeft);
    QCOMPARE(page.getDeviceData().size(), rowsLeft);
}

void TestDeviceList::clearingAnEmptyListAsksNothing()
{
    DeviceAddPage page;
    PageLog log(page);

    page.onClearDeviceItems();

    QCOMPARE(log.take(), QStringList());
    QVERIFY(!QApplication::activeModalWidget());
}

void TestDeviceList::rowHeights_data()
{
    QTest::addColumn<int>("textSize");
    QTest::addColumn<int>("widthAtAdd");
    QTest::addColumn<int>("heightAtAdd");
    QTest::addColumn<int>("resizedWidth");
    QTest::addColumn<int>("resizedHeight");

    QTest::newRow("400 wide adds 84, 639 keeps 84") << 100 << 400 << 84 << 639 << 84;
    QTest::newRow("740 wide adds 84, 640 gives 60") << 100 << 740 << 84 << 640 << 60;
    QTest::newRow("741 wide adds 54, 700 gives 60") << 100 << 741 << 54 << 700 << 60;
    QTest::newRow("800 wide adds 54, 500 gives 84") << 100 << 800 << 54 << 500 << 84;
    // Heights and thresholds grow with the text.
    QTest::newRow("150 %: 800 wide adds 126, 959 keeps 126") << 150 << 800 << 126 << 959 << 126;
    QTest::newRow("150 %: 1111 wide adds 81, 960 gives 90") << 150 << 1111 << 81 << 960 << 90;
    // Rows too narrow for three columns of large text get a third line.
    QTest::newRow("150 %: 500 wide adds 165, 800 gives 126") << 150 << 500 << 165 << 800 << 126;
    QTest::newRow("150 %: 800 wide adds 126, 500 gives 165") << 150 << 800 << 126 << 500 << 165;
}

void TestDeviceList::rowHeights()
{
    QFETCH(int, textSize);
    QFETCH(int, widthAtAdd);
    QFETCH(int, heightAtAdd);
    QFETCH(int, resizedWidth);
    QFETCH(int, resizedHeight);
    qApp->setProperty("textSize", textSize);
    const auto normalText = qScopeGuard([] { qApp->setProperty("textSize", QVariant()); });

    DeviceAddPage page;
    page.resize(widthAtAdd, 497);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.addDeviceTypeItem(ipc(1, 100, 1));
    page.addDeviceTypeItem(ipc(1, 100, 2));
    QCOMPARE(listOf(page)->item(1)->sizeHint(), QSize(50, heightAtAdd));

    page.resize(resizedWidth, 497);
    QCoreApplication::processEvents();

    QCOMPARE(listOf(page)->item(0)->sizeHint(), QSize(50, resizedHeight));
    QCOMPARE(listOf(page)->item(1)->sizeHint(), QSize(50, resizedHeight));
}

void TestDeviceList::frameStandardConversion_data()
{
    QTest::addColumn<StructDeviceItem>("item");
    QTest::addColumn<QList<int>>("standards");
    QTest::addColumn<QString>("frameRate");
    QTest::addColumn<double>("bitrate");
    QTest::addColumn<QStringList>("rowShows");

    // Tables: IPC H.264 1080P 2048, H.265 1080P 1024; DVR/NVR H.264 1080P 2048.
    QTest::newRow("computed IPC rate follows 25 to 30")
        << ipc(1, 2048) << QList<int>{1} << "30" << 2457.6
        << QStringList{"Fixted Rate : 2457 kbps", "Frame Rate : 30"};
    QTest::newRow("a typed rate stays, the frame rate changes")
        << ipc(1, 1500) << QList<int>{1} << "30" << 1500.0
        << QStringList{"Fixted Rate : 1500 kbps", "Frame Rate : 30"};
    QTest::newRow("a rate differing only in its fraction counts as computed")
        << ipc(1, 2048.9) << QList<int>{1} << "30" << 2457.6
        << QStringList{"Fixted Rate : 2457 kbps", "Frame Rate : 30"};
    QTest::newRow("DVR/NVR 50 becomes 60")
        << group("DVR/NVR", 2, "1080P", "50", 3686, 1) << QList<int>{1} << "60" << 4341.76
        << QStringList{"Fixted Rate : 4341 kbps", "Frame Rate : 60"};
    QTest::newRow("the group's own encoding is used")
        << group("IPC", 1, "1080P", "25", 1024, 1, "H.265") << QList<int>{1} << "30" << 1228.8
        << QStringList{"Fixted Rate : 1228 kbps", "Frame Rate : 30"};
    QTest::newRow("PAL, NTSC and PAL again returns to the rate for 25")
        << ipc(1, 2048) << QList<int>{1, 0} << "25" << 2048.0
        << QStringList{"Fixted Rate : 2048 kbps", "Frame Rate : 25"};
    QTest::newRow("an NTSC group at 30 goes to 25")
        << group("IPC", 1, "1080P", "30", 2457, 1) << QList<int>{0} << "25" << 2048.0
        << QStringList{"Fixted Rate : 2048 kbps", "Frame Rate : 25"};
    QTest::newRow("another frame rate is left alone")
        << group("IPC", 1, "1080P", "15", 1228, 1) << QList<int>{1} << "15" << 1228.0
        << QStringList{"Fixted Rate : 1228 kbps", "Frame Rate : 15"};
    QTest::newRow("a recommended-rate group is left alone")
        << group("IPC", 1, "1080P", "", 2000, 1, "H.264", "Hospital") << QList<int>{1} << "" << 2000.0
        << QStringList{"Variable Rate : 2000 kbps", "Resolution : 1080P"};
    QTest::newRow("PAL to PAL changes nothing")
        << ipc(1, 2048) << QList<int>{0} << "25" << 2048.0
        << QStringList{"Fixted Rate : 2048 kbps", "Frame Rate : 25"};
    QTest::newRow("an unknown standard changes nothing")
        << ipc(1, 2048) << QList<int>{2} << "25" << 2048.0
        << QStringList{"Fixted Rate : 2048 kbps", "Frame Rate : 25"};
    QTest::newRow("an unknown device type keeps its row and rate")
        << group("Camera", 1, "1080P", "25", 2048, 1) << QList<int>{1} << "30" << 2048.0
        << QStringList{"Fixted Rate : 2048 kbps", "Frame Rate : 25"};
}

void TestDeviceList::frameStandardConversion()
{
    QFETCH(StructDeviceItem, item);
    QFETCH(QList<int>, standards);
    QFETCH(QString, frameRate);
    QFETCH(double, bitrate);
    QFETCH(QStringList, rowShows);

    DeviceAddPage page;
    page.addDeviceTypeItem(item);
    page.addDeviceTypeItem(group("IPC", 3, "720P", "12", 700, 2));
    QSignalSpy spy(&page, &DeviceAddPage::SignalDeviceChanged);

    for (int standard : standards)
        page.OnFrametareStandardChanged(standard);

    const StructDeviceItem converted = page.getDeviceData().value(1);
    QCOMPARE(converted.strFrameRate, frameRate);
    QCOMPARE(converted.dBitrate, bitrate);
    QCOMPARE(labelTexts(*rowAt(page, 0)).mid(1, 2), rowShows);
    QCOMPARE(page.getDeviceData().value(2).dBitrate, 700.0);
    const int conversions = standards.count(0) + standards.count(1);
    QCOMPARE(spy.size(), conversions);
    if (conversions > 0)
        QCOMPARE(spy.last().at(0).toDouble(), converted.iChannelCounts * bitrate + 3 * 700.0);
}

void TestDeviceList::translatedDeviceTypesAreConverted()
{
    // The editor stores the displayed type text; under a translated
    // interface that is the translation.
    class TypeTranslator final : public QTranslator
    {
    public:
        QString translate(const char *context, const char *sourceText, const char *,
                          int) const override
        {
            if (qstrcmp(context, "DeviceInfoManager") != 0)
                return {};
            if (qstrcmp(sourceText, "DVR/NVR") == 0)
                return QStringLiteral("Recorder");
            if (qstrcmp(sourceText, "IPC") == 0)
                return QStringLiteral("Camera");
            return {};
        }
        bool isEmpty() const override { return false; }
    } translator;
    QCoreApplication::installTranslator(&translator);

    DeviceAddPage page;
    page.addDeviceTypeItem(group("Recorder", 2, "1080P", "50", 3686, 1));
    page.addDeviceTypeItem(group("Camera", 1, "1080P", "25", 2048, 2));
    page.OnFrametareStandardChanged(1);
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(page.getDeviceData().value(1).dBitrate, 4341.76);
    QCOMPARE(page.getDeviceData().value(2).dBitrate, 2457.6);
    QCOMPARE(labelTexts(*rowAt(page, 0)).at(2), QStringLiteral("Frame Rate : 60"));
}

void TestDeviceList::conversionReadsTablesAsTheyStand()
{
    QTemporaryDir tables;
    QVERIFY(DeviceTables::write(tables.path()));
    OrvaneGUIToolkit::SetTargetPathOverride(tables.path());
    const auto restore = qScopeGuard([this] { OrvaneGUIToolkit::SetTargetPathOverride(m_tables.path()); });

    DeviceAddPage page;
    page.addDeviceTypeItem(ipc(1, 2048));
    page.OnFrametareStandardChanged(FrameNTSC);
    QVERIFY(writeFixture(tables.path(), QStringLiteral("IPCBitrate/H.264.csv"), "1080P,2500\n"));
    page.OnFrametareStandardChanged(FramePAL);

    // Against the new table 30 frames give 3000, so 2457.6 counts as typed
    // and stays; the table read before the rewrite would have given 2048.
    QCOMPARE(page.getDeviceData().value(1).dBitrate, 2457.6);
    QCOMPARE(page.getDeviceData().value(1).strFrameRate, QStringLiteral("25"));
}

// A group's row is built once its item comes into view; whenever that is, it
// shows what a row built at once would show by then.
void TestDeviceList::lateRowsShowWhatEarlyRowsShow_data()
{
    QTest::addColumn<StructDeviceItem>("item");
    QTest::addColumn<QList<int>>("standards");

    QTest::newRow("unconverted") << ipc(1, 2048) << QList<int>{};
    QTest::newRow("computed rate to NTSC") << ipc(1, 2048) << QList<int>{FrameNTSC};
    QTest::newRow("typed rate to NTSC") << ipc(1, 1500) << QList<int>{FrameNTSC};
    QTest::newRow("NTSC and back to PAL") << ipc(1, 2048.9) << QList<int>{FrameNTSC, FramePAL};
    QTest::newRow("DVR/NVR 50 to 60")
        << group("DVR/NVR", 2, "1080P", "50", 3686, 1) << QList<int>{FrameNTSC};
    QTest::newRow("recommended rate")
        << group("IPC", 1, "1080P", "", 2000, 1, "H.264", "Hospital") << QList<int>{FrameNTSC};
    QTest::newRow("unknown device type: the record changes, the row does not")
        << group("Camera", 1, "1080P", "25", 2048, 1) << QList<int>{FrameNTSC};
}

void TestDeviceList::lateRowsShowWhatEarlyRowsShow()
{
    QFETCH(StructDeviceItem, item);
    QFETCH(QList<int>, standards);

    DeviceAddPage page;
    page.resize(500, 300);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.addDeviceTypeItem(item);
    for (int i = 0; i < 20; ++i)
        page.addDeviceTypeItem(group("IPC", 1, "720P", "12", 700, i + 2));
    page.addDeviceTypeItem(item);
    const int last = listOf(page)->count() - 1;
    QVERIFY2(!rowAt(page, last), "the twin must start out of view");

    for (int standard : std::as_const(standards))
        page.OnFrametareStandardChanged(standard);
    listOf(page)->scrollToBottom();

    DeviceItemWidget *early = rowAt(page, 0);
    DeviceItemWidget *late = rowAt(page, last);
    QVERIFY(late);
    QCOMPARE(labelTexts(*late), labelTexts(*early));
    QCOMPARE(labelToolTips(*late), labelToolTips(*early));
}

void TestDeviceList::rowsInViewAreBuilt_data()
{
    QTest::addColumn<QString>("change");

    QTest::newRow("groups added") << "none";
    QTest::newRow("page made taller") << "taller";
    QTest::newRow("rows made lower by a resize") << "wider";
    QTest::newRow("scrolled to the end") << "end";
    QTest::newRow("first group deleted") << "delete";
    QTest::newRow("list replaced at once") << "replace";
}

void TestDeviceList::rowsInViewAreBuilt()
{
    QFETCH(QString, change);

    DeviceAddPage page;
    page.resize(700, 300);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QVector<StructDeviceItem> groups;
    for (int i = 0; i < 30; ++i)
        groups.append(ipc(1, 100, i + 1));
    for (const StructDeviceItem &item : std::as_const(groups))
        page.addDeviceTypeItem(item);

    QListWidget *list = listOf(page);
    if (change == QLatin1String("taller")) {
        page.resize(700, 900);
    } else if (change == QLatin1String("wider")) {
        page.resize(720, 300); // 84 pixels high as added, 60 after the resize
    } else if (change == QLatin1String("end")) {
        list->scrollToBottom();
    } else if (change == QLatin1String("delete")) {
        QTest::mouseClick(child<QToolButton>(*rowAt(page, 0), "m_btnDelete"), Qt::LeftButton);
    } else if (change == QLatin1String("replace")) {
        QString asked;
        answerClear(QStringLiteral("btnConfirm"), &asked);
        page.setDeviceTypeData(groups);
    }
    QCoreApplication::processEvents();

    int inView = 0;
    for (int i = 0; i < list->count(); ++i) {
        if (!list->visualItemRect(list->item(i)).intersects(list->viewport()->rect()))
            continue;
        ++inView;
        QVERIFY2(rowAt(page, i), qPrintable(QStringLiteral("item %1 is in view without a row").arg(i)));
    }
    QVERIFY(inView > 2);
}

void TestDeviceList::dragCarriesTheGroup_data()
{
    QTest::addColumn<int>("recorders");
    QTest::addColumn<quint32>("groupId");
    QTest::addColumn<QByteArray>("carried"); // empty: no drag

    QTest::newRow("a site of recorders: the group's identity") << 2 << 7u << QByteArray("7\n");
    QTest::newRow("a site of one recorder") << 1 << 4294967295u << QByteArray("4294967295\n");
    QTest::newRow("a site without recorders: no drag") << 0 << 7u << QByteArray();
    QTest::newRow("a group the plan has not identified: no drag") << 2 << 0u << QByteArray();
}

// A row dragged onto a recorder of the bar carries its group's identity in
// the type the bar takes; no row drags while the site has no recorders.
void TestDeviceList::dragCarriesTheGroup()
{
    QFETCH(int, recorders);
    QFETCH(quint32, groupId);
    QFETCH(QByteArray, carried);

    DeviceAddPage page;
    StructDeviceItem listed = ipc(4, 2048, 1);
    listed.uGroupId = groupId;
    page.addDeviceTypeItem(ipc(1, 512, 2));
    page.addDeviceTypeItem(listed);
    QVector<RecorderChoice> site;
    for (int i = 1; i <= recorders; ++i)
        site.append({quint32(i), QStringLiteral("NVR-%1").arg(i)});
    page.setRecorders(site);

    const std::unique_ptr<QMimeData> data(page.groupDragData(2));
    QCOMPARE(data != nullptr, !carried.isEmpty());
    if (data)
        QCOMPARE(data->data(QStringLiteral("application/x-larkspan-groups")), carried);
    QVERIFY(!std::unique_ptr<QMimeData>(page.groupDragData(3))); // no such group
}

QTEST_MAIN(TestDeviceList)
#include "tst_devicelist.moc"
