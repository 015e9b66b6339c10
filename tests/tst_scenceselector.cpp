#include "data/scenceselector.h"

#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QScopeGuard>
#include <QTest>

namespace {

using Button = ScenceSelector::ScenceQRaidoButton;

QVector<SCENCE_ITEM> scenes(const QList<int> &ids)
{
    QVector<SCENCE_ITEM> items;
    for (int id : ids)
        items.append(SCENCE_ITEM{id, QStringLiteral("Scene %1").arg(id)});
    return items;
}

// The buttons in the order of the column, as a person sees them.
QList<Button *> buttons(ScenceSelector &selector)
{
    auto *list = selector.findChild<QListWidget *>(QStringLiteral("m_listWidgetScences"));
    QList<Button *> result;
    for (int i = 0; i < list->count(); ++i)
        result.append(qobject_cast<Button *>(list->itemWidget(list->item(i))));
    return result;
}

Button *buttonOf(ScenceSelector &selector, int id)
{
    for (Button *button : buttons(selector)) {
        if (button->scenceType() == id)
            return button;
    }
    return nullptr;
}

// "c" for the checked button, "-" for a plain one, "x" for a button that is
// checkable but not checked (which the selection rule never leaves behind).
QString states(ScenceSelector &selector)
{
    QString result;
    for (Button *button : buttons(selector))
        result += button->isChecked() ? QLatin1Char('c') : button->isCheckable() ? QLatin1Char('x') : QLatin1Char('-');
    return result;
}

QLabel *pictureLabel(ScenceSelector &selector)
{
    return selector.findChild<QLabel *>(QStringLiteral("m_labelScenceImage"));
}

// Where the label shows red, as a person sees it.
QRect redArea(QLabel *label)
{
    const QImage shown = label->grab().toImage();
    QRect area;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixelColor(x, y) == QColor(Qt::red))
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

} // namespace

class TestScenceSelector : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void selection_data();
    void selection();
    void replacingTheDataReplacesTheButtons();
    void unknownSceneIsStillAnnounced();
    void buttonsCarryNameAsTextAndToolTip();
    void startsWithTheFailureText();

    void picture_data();
    void picture();
    void resizingRescalesThePicture();
    void pictureKeepsItsProportions_data();
    void pictureKeepsItsProportions();
    void buttonsGrowWithTheText_data();
    void buttonsGrowWithTheText();

private:
    QTemporaryDir m_dir;
};

void TestScenceSelector::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::green);
    QVERIFY(image.save(m_dir.filePath(QStringLiteral("picture.png"))));
    for (const QSize &size : {QSize(640, 360), QSize(90, 160), QSize(40, 40)}) {
        QImage red(size, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(m_dir.filePath(QStringLiteral("%1x%2.png").arg(size.width()).arg(size.height()))));
    }
    QFile junk(m_dir.filePath(QStringLiteral("junk.png")));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
}

void TestScenceSelector::selection_data()
{
    QTest::addColumn<QList<int>>("ids");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("expectedStates");
    QTest::addColumn<QList<int>>("expectedSignals");

    QTest::newRow("scene 0 starts selected") << QList<int>{0, 1, 2} << QList<int>{} << "c--"
                                             << QList<int>{};
    QTest::newRow("without scene 0 nothing starts selected")
        << QList<int>{1, 2} << QList<int>{} << "--" << QList<int>{};
    QTest::newRow("the same id twice gives one button")
        << QList<int>{0, 1, 1} << QList<int>{} << "c-" << QList<int>{};
    QTest::newRow("empty list has no buttons") << QList<int>{} << QList<int>{} << "" << QList<int>{};
    QTest::newRow("clicking another scene moves the selection")
        << QList<int>{0, 1, 2} << QList<int>{2} << "--c" << QList<int>{2};
    QTest::newRow("clicking the selected scene keeps it and announces it")
        << QList<int>{0, 1, 2} << QList<int>{0} << "c--" << QList<int>{0};
    QTest::newRow("clicking it twice keeps it selected")
        << QList<int>{0, 1, 2} << QList<int>{1, 1} << "-c-" << QList<int>{1, 1};
    QTest::newRow("selection without a scene 0 at start")
        << QList<int>{3, 5} << QList<int>{5, 3} << "c-" << QList<int>{5, 3};
}

void TestScenceSelector::selection()
{
    QFETCH(QList<int>, ids);
    QFETCH(QList<int>, clicks);
    QFETCH(QString, expectedStates);
    QFETCH(QList<int>, expectedSignals);

    ScenceSelector selector;
    selector.setScenceData(scenes(ids));
    selector.show();
    QVERIFY(QTest::qWaitForWindowExposed(&selector));
    QSignalSpy spy(&selector, &ScenceSelector::signalScenceChanged);

    for (int id : clicks)
        QTest::mouseClick(buttonOf(selector, id), Qt::LeftButton);

    QCOMPARE(states(selector), expectedStates);
    QList<int> emitted;
    for (const QList<QVariant> &arguments : std::as_const(spy))
        emitted.append(arguments.at(0).toInt());
    QCOMPARE(emitted, expectedSignals);
}

void TestScenceSelector::replacingTheDataReplacesTheButtons()
{
    ScenceSelector selector;
    selector.setScenceData(scenes({0, 1, 2}));
    QPointer<Button> old = buttonOf(selector, 1);

    selector.setScenceData(scenes({4, 0}));

    QVERIFY(old.isNull());
    QCOMPARE(buttons(selector).size(), 2);
    QCOMPARE(buttons(selector).at(0)->scenceType(), 4);
    QCOMPARE(states(selector), QStringLiteral("-c"));
}

void TestScenceSelector::unknownSceneIsStillAnnounced()
{
    ScenceSelector selector;
    selector.setScenceData(scenes({0, 1}));
    QSignalSpy spy(&selector, &ScenceSelector::signalScenceChanged);

    selector.OnScenceSelected(7);

    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 7);
    QCOMPARE(states(selector), QStringLiteral("c-"));
}

void TestScenceSelector::buttonsCarryNameAsTextAndToolTip()
{
    ScenceSelector selector;
    selector.addScenceItem(SCENCE_ITEM{0, QStringLiteral("Parking lot")});
    Button *button = buttonOf(selector, 0);
    QCOMPARE(button->text(), QStringLiteral("Parking lot"));
    QCOMPARE(button->toolTip(), QStringLiteral("Parking lot"));
    auto *list = selector.findChild<QListWidget *>(QStringLiteral("m_listWidgetScences"));
    QCOMPARE(list->item(0)->sizeHint(), QSize(70, 27));
}

void TestScenceSelector::startsWithTheFailureText()
{
    ScenceSelector selector;
    selector.setScenceData({});
    QVERIFY(pictureLabel(selector)->text().contains(QStringLiteral("Get Picture Failure")));
    QVERIFY(buttons(selector).isEmpty());
}

void TestScenceSelector::picture_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("showsPicture");
    QTest::addColumn<bool>("showsFailureText");

    QTest::newRow("existing picture") << "picture.png" << true << false;
    QTest::newRow("missing file") << "absent.png" << false << true;
    QTest::newRow("empty path") << "" << false << true;
    QTest::newRow("file that is no picture shows an empty pixmap") << "junk.png" << false << false;
}

void TestScenceSelector::picture()
{
    QFETCH(QString, file);
    QFETCH(bool, showsPicture);
    QFETCH(bool, showsFailureText);

    ScenceSelector selector;
    selector.resize(400, 300);
    selector.show();
    QVERIFY(QTest::qWaitForWindowExposed(&selector));
    QLabel *label = pictureLabel(selector);

    selector.setScencePicture(file.isEmpty() ? QString() : m_dir.filePath(file));

    QCOMPARE(!label->pixmap().isNull(), showsPicture);
    QCOMPARE(label->text().contains(QStringLiteral("Get Picture Failure")), showsFailureText);
    QCOMPARE(label->styleSheet().contains(QStringLiteral("#f4f5f6")), showsFailureText);
}

void TestScenceSelector::resizingRescalesThePicture()
{
    ScenceSelector selector;
    selector.resize(400, 300);
    selector.show();
    QVERIFY(QTest::qWaitForWindowExposed(&selector));
    selector.setScencePicture(m_dir.filePath(QStringLiteral("640x360.png")));
    QLabel *label = pictureLabel(selector);
    const QSize before = redArea(label).size();

    selector.resize(520, 380);
    QCoreApplication::processEvents();

    // A wide picture fills the width of the wider label.
    QVERIFY(redArea(label).size() != before);
    QCOMPARE(redArea(label).width(), label->width());
    QVERIFY(redArea(label).height() < label->height());
}

void TestScenceSelector::pictureKeepsItsProportions_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("selector");

    QTest::newRow("wide picture in a squarer label") << "640x360.png" << QSize(400, 300);
    QTest::newRow("tall picture") << "90x160.png" << QSize(400, 300);
    QTest::newRow("small square picture grows to fit") << "40x40.png" << QSize(400, 300);
    QTest::newRow("wide picture in a wide label") << "640x360.png" << QSize(700, 200);
}

void TestScenceSelector::pictureKeepsItsProportions()
{
    QFETCH(QString, file);
    QFETCH(QSize, selector);

    ScenceSelector widget;
    widget.resize(selector);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    widget.setScencePicture(m_dir.filePath(file));
    QLabel *label = pictureLabel(widget);

    const QRect shown = redArea(label);
    const QSize picture = QImage(m_dir.filePath(file)).size();
    // As large as the label holds: one side fills it.
    QVERIFY2(shown.width() == label->width() || shown.height() == label->height(),
             qPrintable(QStringLiteral("%1x%2 in %3x%4").arg(shown.width()).arg(shown.height())
                            .arg(label->width()).arg(label->height())));
    // Its proportions, to the pixel that rounding takes.
    QVERIFY(qAbs(shown.width() * picture.height() - shown.height() * picture.width())
            <= qMax(picture.width(), picture.height()));
    // Centred: the margins on either side differ by a pixel at most.
    QVERIFY(qAbs(shown.left() - (label->width() - 1 - shown.right())) <= 1);
    QVERIFY(qAbs(shown.top() - (label->height() - 1 - shown.bottom())) <= 1);
}

// The buttons (70 x 27) and their list (90 wide) are made for text at 100 %;
// they grow with the text, also when it changes while they are shown.
void TestScenceSelector::buttonsGrowWithTheText_data()
{
    QTest::addColumn<int>("textSize");
    QTest::addColumn<bool>("changedWhileShown");
    QTest::addColumn<QSize>("button");
    QTest::addColumn<int>("listWidth");
    QTest::newRow("100 %") << 100 << false << QSize(70, 27) << 90;
    QTest::newRow("125 %") << 125 << false << QSize(88, 34) << 113;
    QTest::newRow("150 %") << 150 << false << QSize(105, 41) << 135;
    QTest::newRow("150 % while shown") << 150 << true << QSize(105, 41) << 135;
}

void TestScenceSelector::buttonsGrowWithTheText()
{
    QFETCH(int, textSize);
    QFETCH(bool, changedWhileShown);
    QFETCH(QSize, button);
    QFETCH(int, listWidth);
    const auto normalText = qScopeGuard([] { qApp->setProperty("textSize", QVariant()); });
    if (!changedWhileShown)
        qApp->setProperty("textSize", textSize);
    ScenceSelector selector;
    selector.setScenceData(scenes({0, 1}));
    if (changedWhileShown) {
        selector.show();
        qApp->setProperty("textSize", textSize);
        // What the look does when it changes the text size.
        selector.setStyleSheet(QStringLiteral("QLabel { }"));
    }
    auto *list = selector.findChild<QListWidget *>(QStringLiteral("m_listWidgetScences"));
    QVERIFY(list);
    QCOMPARE(list->maximumWidth(), listWidth);
    for (int i = 0; i < list->count(); ++i)
        QCOMPARE(list->item(i)->sizeHint(), button);
}

QTEST_MAIN(TestScenceSelector)
#include "tst_scenceselector.moc"
