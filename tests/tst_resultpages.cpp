#include "calc/datadisplaypage.h"
#include "calc/sizedisplaypage.h"

#include <QLabel>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <memory>

namespace {

const QLabel *label(const QWidget &page, const QString &name)
{
    return page.findChild<QLabel *>(name);
}

// What a person reads in a rich-text label, fragment by fragment, with the
// point size each fragment is drawn in.
struct Reading
{
    QString text;
    QList<qreal> sizes;
};

Reading read(const QLabel *label)
{
    Reading reading;
    if (!label || !Qt::mightBeRichText(label->text()))
        return {QStringLiteral("<not rich text>"), {}};
    QTextDocument document;
    document.setHtml(label->text());
    reading.text = document.toPlainText().trimmed();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (!it.fragment().text().trimmed().isEmpty())
                reading.sizes << it.fragment().charFormat().fontPointSize();
        }
    }
    return reading;
}

} // namespace

// The result pages as a person reads them: the figure large, its unit small
// beside it, whatever text the calculation hands over shown as text; and as
// a screen reader reads them: figure and unit as one name.
class TestResultPages : public QObject
{
    Q_OBJECT

private slots:
    void shown_data();
    void shown();
};

void TestResultPages::shown_data()
{
    QTest::addColumn<QString>("page");     // "time" or "size"
    QTest::addColumn<QStringList>("texts"); // handed to the page's slot; none: as built
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("reads");
    QTest::addColumn<QList<qreal>>("sizes");
    QTest::addColumn<QString>("spoken"); // the label's accessible name

    // As built, before any result: 0 with the units of the form.
    QTest::newRow("days, as built") << "time" << QStringList() << "m_labelByDay" << "0天"
                                    << QList<qreal>{60, 14} << "";
    QTest::newRow("weeks, as built") << "time" << QStringList() << "m_labelByWeek" << "0周"
                                     << QList<qreal>{36, 14} << "";
    QTest::newRow("months, as built") << "time" << QStringList() << "m_labelByMonth" << "0月"
                                      << QList<qreal>{36, 14} << "";
    QTest::newRow("size, as built") << "size" << QStringList() << "m_labelDisplaySize" << "0MB"
                                    << QList<qreal>{48, 20} << "";

    // A time shows the figures alone: the unit words stand in labels of their own.
    const QStringList time{"88", "12", "2"};
    QTest::newRow("88 days") << "time" << time << "m_labelByDay" << "88" << QList<qreal>{60} << "88 Day(s)";
    QTest::newRow("12 weeks") << "time" << time << "m_labelByWeek" << "12" << QList<qreal>{36} << "12 Week(s)";
    QTest::newRow("2 months") << "time" << time << "m_labelByMonth" << "2" << QList<qreal>{36} << "2 Month(s)";
    const QStringList longest{">3650", ">521", ">121"};
    QTest::newRow("more than 3650 days") << "time" << longest << "m_labelByDay" << ">3650"
                                         << QList<qreal>{60} << "more than 3650 Day(s)";
    QTest::newRow("more than 121 months") << "time" << longest << "m_labelByMonth" << ">121"
                                          << QList<qreal>{36} << "more than 121 Month(s)";
    QTest::newRow("markup in a figure stays text") << "time" << QStringList{"<b>1</b>", "0", "0"}
                                                   << "m_labelByDay" << "<b>1</b>" << QList<qreal>{60} << "<b>1</b> Day(s)";

    QTest::newRow("6 TB") << "size" << QStringList{"6", "TB"} << "m_labelDisplaySize" << "6TB"
                          << QList<qreal>{48, 20} << "6 TB";
    QTest::newRow("319 GB") << "size" << QStringList{"319", "GB"} << "m_labelDisplaySize" << "319GB"
                            << QList<qreal>{48, 20} << "319 GB";
    QTest::newRow("more than 50000 TB") << "size" << QStringList{">50000", "TB"} << "m_labelDisplaySize"
                                        << ">50000TB" << QList<qreal>{48, 20} << "more than 50000 TB";
}

void TestResultPages::shown()
{
    QFETCH(QString, page);
    QFETCH(QStringList, texts);
    QFETCH(QString, label);
    QFETCH(QString, reads);
    QFETCH(QList<qreal>, sizes);
    QFETCH(QString, spoken);

    std::unique_ptr<QWidget> widget;
    if (page == QLatin1String("time"))
        widget = std::make_unique<DataDisplayPage>();
    else
        widget = std::make_unique<SizeDisplayPage>();
    // The calculation page reaches the slots by connection; by name here.
    if (texts.size() == 3) {
        QVERIFY(QMetaObject::invokeMethod(widget.get(), "displayTime", Q_ARG(QString, texts.at(0)),
                                          Q_ARG(QString, texts.at(1)), Q_ARG(QString, texts.at(2))));
    } else if (texts.size() == 2) {
        QVERIFY(QMetaObject::invokeMethod(widget.get(), "displaySize", Q_ARG(QString, texts.at(0)),
                                          Q_ARG(QString, texts.at(1))));
    }

    const Reading reading = read(::label(*widget, label));
    QCOMPARE(QString(reading.text).remove(QLatin1Char(' ')), reads);
    QCOMPARE(reading.sizes, sizes);
    QCOMPARE(::label(*widget, label)->accessibleName(), spoken);
    // A result takes the colour the look's style sheet gives its label (the
    // accent, or the high-contrast look's dark accent), none of its own.
    if (!texts.isEmpty())
        QVERIFY(!::label(*widget, label)->text().contains(QLatin1String("color")));
}

QTEST_MAIN(TestResultPages)
#include "tst_resultpages.moc"
