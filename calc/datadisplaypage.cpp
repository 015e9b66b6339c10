#include "calc/datadisplaypage.h"

#include "ui_datadisplaypage.h"

#include <QCoreApplication>

QString spokenFigure(const QString &figure, const QString &unit)
{
    if (figure.startsWith(QLatin1Char('>')))
        return QCoreApplication::translate("DataDisplayPage", "more than %1 %2").arg(figure.mid(1), unit);
    return QStringLiteral("%1 %2").arg(figure, unit);
}

DataDisplayPage::DataDisplayPage(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::DataDisplayPage>())
    // The figures take the labels' colour, which the style sheet gives them.
    , m_dayTemplate(QStringLiteral(
          "\t<html>\t<head/>\t<body>\t\t<p align=\"center\">\t\t\t"
          "<span style=\" font-size:60pt;\">%1</span>\t\t</p>\t</body>\t</html>"))
    , m_weekMonthTemplate(QStringLiteral(
          "\t<html>\t<head/>\t<body>\t\t<p align=\"center\">\t\t\t"
          "<span style=\" font-size:36pt;\">%1</span>\t\t</p>\t</body>\t</html>"))
{
    ui->setupUi(this);
}

DataDisplayPage::~DataDisplayPage() = default;

void DataDisplayPage::displayTime(QString day, QString week, QString month)
{
    // Escaped: a "more than" figure starts with ">".
    ui->m_labelByDay->setText(m_dayTemplate.arg(day.toHtmlEscaped()));
    ui->m_labelByWeek->setText(m_weekMonthTemplate.arg(week.toHtmlEscaped()));
    ui->m_labelByMonth->setText(m_weekMonthTemplate.arg(month.toHtmlEscaped()));
    ui->m_labelByDay->setAccessibleName(spokenFigure(day, ui->m_labelDiskplayDayTip->text()));
    ui->m_labelByWeek->setAccessibleName(spokenFigure(week, ui->m_labelDiskplayWeekTip->text()));
    ui->m_labelByMonth->setAccessibleName(spokenFigure(month, ui->m_labelDiskplayMonthTip->text()));
}

void DataDisplayPage::displayRange(const QString &range)
{
    // Text only: the line keeps its fixed room, so nothing moves, and showing
    // or hiding it would lay the window out in the middle of an edit.
    ui->m_labelDayRange->setText(range);
}
