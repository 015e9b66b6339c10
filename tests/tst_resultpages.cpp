#include "calc/datadisplaypage.h"
#include "calc/sizedisplaypage.h"

#include <QLabel>
#include <QMetaMethod>
#include <QTest>
#include <QTextDocument>

namespace {

QString labelText(const QWidget &page, const char *name)
{
    const auto *label = page.findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<no label %1>").arg(QLatin1String(name));
}

// What a person reads in a rich-text label: the text without its markup.
QString plainText(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText().trimmed();
}

QStringList ownMethods(const QMetaObject &meta)
{
    QStringList methods;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        methods << QString::fromLatin1(meta.method(i).methodSignature());
    return methods;
}

} // namespace

class TestResultPages : public QObject
{
    Q_OBJECT

private slots:
    void initialTexts();
    void displayTime_data();
    void displayTime();
    void displaySize_data();
    void displaySize();
    void eachPageHasOneSlotOnly();
};

void TestResultPages::initialTexts()
{
    const DataDisplayPage timePage;
    QCOMPARE(labelText(timePage, "m_labelByDay"),
             QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" font-size:60pt; "
                            "color:#467dd3;\">0</span><span style=\" font-size:14pt; "
                            "color:#467dd3;\">天</span></p></body></html>"));
    QCOMPARE(labelText(timePage, "m_labelByWeek"),
             QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" font-size:36pt; "
                            "color:#467dd3;\">0</span><span style=\" font-size:14pt; "
                            "color:#467dd3;\">周</span></p></body></html>"));
    QCOMPARE(labelText(timePage, "m_labelByMonth"),
             QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" font-size:36pt; "
                            "color:#467dd3;\">0</span><span style=\" font-size:14pt; "
                            "color:#467dd3;\">月</span></p></body></html>"));

    const SizeDisplayPage sizePage;
    QCOMPARE(labelText(sizePage, "m_labelDisplaySize"),
             QStringLiteral("<html><head/><body><p align=\"center\"><span style=\" font-size:48pt; "
                            "color:#467dd3;\">0</span><span style=\" font-size:20pt; "
                            "color:#467dd3;\">MB</span></p></body></html>"));
    QCOMPARE(plainText(labelText(sizePage, "m_labelDisplaySize")), QStringLiteral("0MB"));
}

void TestResultPages::displayTime_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("week");
    QTest::addColumn<QString>("month");

    QTest::newRow("88 days, 12 weeks, 2 months") << "88" << "12" << "2";
    QTest::newRow("zeros") << "0" << "0" << "0";
    QTest::newRow("the longest period shown") << "3650" << "521" << "121";
    QTest::newRow("more than the longest period") << ">3650" << ">521" << ">121";
}

void TestResultPages::displayTime()
{
    QFETCH(QString, day);
    QFETCH(QString, week);
    QFETCH(QString, month);

    DataDisplayPage page;
    page.displayTime(day, week, month);

    const QString head = QStringLiteral("\t<html>\t<head/>\t<body>\t\t<p align=\"center\">\t\t\t"
                                        "<span style=\" font-size:%1pt; color:#467dd3;\">");
    const QString tail = QStringLiteral("</span>\t\t</p>\t</body>\t</html>");
    QCOMPARE(labelText(page, "m_labelByDay"), head.arg(60) + day.toHtmlEscaped() + tail);
    QCOMPARE(labelText(page, "m_labelByWeek"), head.arg(36) + week.toHtmlEscaped() + tail);
    QCOMPARE(labelText(page, "m_labelByMonth"), head.arg(36) + month.toHtmlEscaped() + tail);

    // The leading tab must not stop the label from rendering it as rich text.
    QVERIFY(Qt::mightBeRichText(labelText(page, "m_labelByDay")));
    QCOMPARE(plainText(labelText(page, "m_labelByWeek")), week);
    QCOMPARE(plainText(labelText(page, "m_labelByDay")), day);
    // The unit words come from the fixed labels once numbers are shown.
    QVERIFY(!labelText(page, "m_labelByDay").contains(QStringLiteral("天")));
}

void TestResultPages::displaySize_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("unit");

    QTest::newRow("6 TB") << "6" << "TB";
    QTest::newRow("319 GB") << "319" << "GB";
    QTest::newRow("fallback 0 GB") << "0" << "GB";
    QTest::newRow("more than 50000 TB") << ">50000" << "TB";
}

void TestResultPages::displaySize()
{
    QFETCH(QString, size);
    QFETCH(QString, unit);

    SizeDisplayPage page;
    page.displaySize(size, unit);

    const QString expected =
        QStringLiteral("\t<html>\t<head/>\t\t<body>\t\t\t<p align=\"center\">\t\t\t\t"
                       "<span style=\" font-size:48pt; color:#467dd3;\">")
        + size.toHtmlEscaped()
        + QStringLiteral("</span>\t\t\t\t<span style=\" font-size:16pt; color:#467dd3;\"/>\t\t\t\t"
                         "<span style=\" font-size:20pt; color:#467dd3;\">")
        + unit + QStringLiteral("</span>\t\t\t</p>\t\t</body>\t</html>\t");
    QCOMPARE(labelText(page, "m_labelDisplaySize"), expected);
    QVERIFY(Qt::mightBeRichText(labelText(page, "m_labelDisplaySize")));
    QCOMPARE(plainText(labelText(page, "m_labelDisplaySize")).remove(QLatin1Char(' ')),
             QString(size + unit).remove(QLatin1Char(' ')));
}

void TestResultPages::eachPageHasOneSlotOnly()
{
    QCOMPARE(ownMethods(DataDisplayPage::staticMetaObject),
             QStringList{QStringLiteral("displayTime(QString,QString,QString)")});
    QCOMPARE(ownMethods(SizeDisplayPage::staticMetaObject),
             QStringList{QStringLiteral("displaySize(QString,QString)")});
}

QTEST_MAIN(TestResultPages)
#include "tst_resultpages.moc"
