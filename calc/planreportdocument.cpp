#include "calc/planreportdocument.h"

#include "calc/planreport.h"
#include "data/atomicfilewriter.h"
#include "data/bitratecalculator.h"
#include "data/siteplan.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace {

constexpr int kColumns = 11;
// Columns that hold numbers are right-aligned.
constexpr bool kNumberColumn[kColumns] = {false, false, true, false, false, false,
                                          false, false, true, true,  true};

class PlanReportDocument final
{
    Q_DECLARE_TR_FUNCTIONS(PlanReportDocument)
};

QTextCharFormat textFormat(qreal pointSize, bool bold = false)
{
    QTextCharFormat format;
    format.setFontPointSize(pointSize);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    return format;
}

void insertParagraph(QTextCursor &cursor, const QString &text, const QTextCharFormat &format,
                     qreal topMargin = 4)
{
    QTextBlockFormat block;
    block.setTopMargin(topMargin);
    cursor.insertBlock(block, format);
    cursor.insertText(text, format);
}

void fillRow(QTextTable *table, int row, const QStringList &texts, const QTextCharFormat &format)
{
    for (int column = 0; column < kColumns; ++column) {
        QTextCursor cell = table->cellAt(row, column).firstCursorPosition();
        if (kNumberColumn[column]) {
            QTextBlockFormat right;
            right.setAlignment(Qt::AlignRight);
            cell.setBlockFormat(right);
        }
        cell.insertText(texts.value(column), format);
    }
}

} // namespace

std::unique_ptr<QTextDocument> planReportDocument(const QString &planName, const SitePlan &plan)
{
    const PlanFigures figures = planFigures(plan, BitrateCalculator());

    auto document = std::make_unique<QTextDocument>();
    QFont font = QGuiApplication::font();
    font.setPointSizeF(9);
    document->setDefaultFont(font);
    document->setMetaInformation(QTextDocument::DocumentTitle, planName);

    QTextCursor cursor(document.get());
    cursor.insertText(PlanReportDocument::tr("Storage plan: %1").arg(planName), textFormat(16, true));
    insertParagraph(cursor,
                    PlanReportDocument::tr("Date: %1    Frame standard: %2")
                        .arg(QLocale().toString(QDate::currentDate(), QLocale::LongFormat),
                             PlanReport::frameStandardText(plan.frameStandard)),
                    textFormat(9), 6);

    QTextTableFormat tableFormat;
    tableFormat.setHeaderRowCount(1);
    tableFormat.setCellPadding(3);
    tableFormat.setCellSpacing(0);
    tableFormat.setBorder(0.5);
    tableFormat.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    tableFormat.setBorderCollapse(true);
    tableFormat.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    tableFormat.setTopMargin(10);
    QTextBlockFormat tableBlock;
    cursor.insertBlock(tableBlock);
    const int rows = int(plan.groups.size()) + 2;
    QTextTable *table = cursor.insertTable(rows, kColumns, tableFormat);

    QTextCharFormat header = textFormat(8, true);
    header.setBackground(QColor(0xe8, 0xef, 0xfa));
    fillRow(table, 0, PlanReport::columnTitles(figures.hoursPerDay), header);
    for (int column = 0; column < kColumns; ++column) {
        QTextTableCellFormat cellFormat;
        cellFormat.setBackground(QColor(0xe8, 0xef, 0xfa));
        table->cellAt(0, column).setFormat(cellFormat);
    }
    const QTextCharFormat cell = textFormat(8);
    for (int i = 0; i < plan.groups.size(); ++i)
        fillRow(table, i + 1, PlanReport::groupRow(plan.groups.at(i), figures.groups.at(i)), cell);
    fillRow(table, rows - 1, PlanReport::totalsRow(figures), textFormat(8, true));

    cursor.movePosition(QTextCursor::End);
    insertParagraph(cursor, PlanReport::siteTotalLine(figures), textFormat(10, true), 12);
    insertParagraph(cursor, PlanReportDocument::tr("Recording time"), textFormat(11, true), 12);
    insertParagraph(cursor, PlanReport::recordTimeLine(plan.calculation, figures), textFormat(10));
    insertParagraph(cursor, PlanReportDocument::tr("Disk size"), textFormat(11, true), 12);
    insertParagraph(cursor, PlanReport::diskSizeLine(plan.calculation, figures), textFormat(10));
    insertParagraph(cursor, PlanReport::conventionsLine(), textFormat(8), 16);
    return document;
}

void printPlanReport(const QString &planName, const SitePlan &plan, QPagedPaintDevice *device)
{
    device->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                      QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
    planReportDocument(planName, plan)->print(device);
}

bool writePlanReport(const QString &path, const QString &planName, const SitePlan &plan,
                     QString *error)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    if (suffix == QLatin1String("csv")) {
        bytes = PlanReport::toCsv(plan, planFigures(plan, BitrateCalculator()));
    } else if (suffix == QLatin1String("pdf")) {
        // Laid out in memory first: the file is written only once the whole
        // report exists.
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setTitle(planName);
            writer.setCreator(QStringLiteral("Larkspan"));
            printPlanReport(planName, plan, &writer);
        }
    } else {
        *error = PlanReportDocument::tr("A report is written as PDF (.pdf) or CSV (.csv).");
        return false;
    }
    QString reason;
    if (writeFileAtomically(path, bytes, &reason))
        return true;
    *error = PlanReportDocument::tr("The report could not be written to \"%1\": %2")
                 .arg(QFileInfo(path).fileName(), reason);
    return false;
}
