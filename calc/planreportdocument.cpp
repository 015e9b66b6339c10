#include "calc/planreportdocument.h"

#include "calc/planreport.h"
#include "data/siteplan.h"
#include "platform/atomicfilewriter.h"
#include "platform/guiinit.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace {

constexpr int kColumns = 11;
constexpr qreal kLayoutDpi = 96.0;
constexpr qreal kInchesPerMetre = 0.0254;
constexpr qreal kCellPadding = 3;
// A group's text takes at most this many lines of an even share of the
// table's width; a longer one is cut with an ellipsis. (A long text in a
// cell makes the table's layout slow with the square of its length.)
constexpr int kCellLines = 3;
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

// `background` invalid: none.
void fillRow(QTextTable *table, int row, const QStringList &texts, const QTextCharFormat &format,
             const QColor &background)
{
    QTextTableCellFormat shading;
    shading.setBackground(background);
    for (int column = 0; column < kColumns; ++column) {
        QTextTableCell tableCell = table->cellAt(row, column);
        if (background.isValid())
            tableCell.setFormat(shading);
        QTextCursor cell = tableCell.firstCursorPosition();
        if (kNumberColumn[column]) {
            QTextBlockFormat right;
            right.setAlignment(Qt::AlignRight);
            cell.setBlockFormat(right);
        }
        cell.insertText(texts.value(column), format);
    }
}

// The device the report is laid out on: 96 dpi whatever the screen.
QImage layoutDevice()
{
    QImage device(1, 1, QImage::Format_RGB32);
    device.setDotsPerMeterX(qRound(kLayoutDpi / kInchesPerMetre));
    device.setDotsPerMeterY(qRound(kLayoutDpi / kInchesPerMetre));
    return device;
}

// Cuts texts to what a cell of the group rows shows.
class CellElider final
{
public:
    explicit CellElider(const QFont &font)
        : m_device(layoutDevice())
        , m_metrics(font, &m_device)
    {
        const qreal tableWidth = planReportPageLayout().paintRect(QPageLayout::Inch).width() * kLayoutDpi;
        m_width = kCellLines * (tableWidth / kColumns - 2 * kCellPadding);
    }

    // A name keeps its end, the "(group number)" that tells the groups apart.
    QStringList elided(QStringList texts) const
    {
        for (qsizetype i = 0; i < texts.size(); ++i)
            texts[i] = m_metrics.elidedText(texts.at(i), i == 0 ? Qt::ElideMiddle : Qt::ElideRight, m_width);
        return texts;
    }

private:
    QImage m_device;
    QFontMetricsF m_metrics;
    qreal m_width = 0;
};

} // namespace

std::unique_ptr<QTextDocument> planReportDocument(const QString &planName, const SitePlan &plan)
{
    const PlanFigures figures = planFigures(plan);

    auto document = std::make_unique<QTextDocument>();
    QFont font = QGuiApplication::font();
    font.setPointSizeF(9);
    document->setDefaultFont(font);
    document->setMetaInformation(QTextDocument::DocumentTitle, planName);

    QTextCursor cursor(document.get());
    cursor.insertText(PlanReportDocument::tr("Storage plan: %1").arg(planName), textFormat(16, true));
    const QString date = OrvaneGUIToolkit::GuiLocale().toString(QDate::currentDate(), QLocale::LongFormat);
    insertParagraph(cursor,
                    PlanReportDocument::tr("Date: %1    Frame standard: %2")
                        .arg(date, PlanReport::frameStandardText(plan.frameStandard)),
                    textFormat(9), 6);

    QTextTableFormat tableFormat;
    tableFormat.setHeaderRowCount(1);
    tableFormat.setCellPadding(kCellPadding);
    tableFormat.setCellSpacing(0);
    // Rows are told apart by shading: cell borders make the layout of a long
    // table several times slower.
    tableFormat.setBorder(0);
    tableFormat.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    tableFormat.setTopMargin(10);
    QTextBlockFormat tableBlock;
    cursor.insertBlock(tableBlock);
    const int rows = int(plan.groups.size()) + 2;
    QTextTable *table = cursor.insertTable(rows, kColumns, tableFormat);

    // Only the header and the totals are shaded: at a page break the layout
    // stretches the shading of the last row on a page down to the next.
    const QColor accent(0xe8, 0xef, 0xfa);
    fillRow(table, 0, PlanReport::columnTitles(figures.hoursPerDay), textFormat(8, true), accent);
    const QTextCharFormat cell = textFormat(8);
    QFont cellFont = font;
    cellFont.setPointSizeF(8);
    const CellElider elider(cellFont);
    for (int i = 0; i < plan.groups.size(); ++i) {
        const QStringList texts = PlanReport::groupRow(plan.groups.at(i), figures.groups.at(i));
        fillRow(table, i + 1, elider.elided(texts), cell, QColor());
    }
    fillRow(table, rows - 1, PlanReport::totalsRow(figures), textFormat(8, true), accent);

    cursor.movePosition(QTextCursor::End);
    insertParagraph(cursor, PlanReport::siteTotalLine(figures), textFormat(10, true), 12);
    insertParagraph(cursor, PlanReportDocument::tr("Recording time"), textFormat(11, true), 12);
    insertParagraph(cursor, PlanReport::recordTimeLine(plan.calculation, figures), textFormat(10));
    const QString diskArray = PlanReport::diskArrayLine(plan.calculation);
    if (!diskArray.isEmpty())
        insertParagraph(cursor, diskArray, textFormat(10));
    insertParagraph(cursor, PlanReportDocument::tr("Disk size"), textFormat(11, true), 12);
    insertParagraph(cursor, PlanReport::diskSizeLine(plan.calculation, figures), textFormat(10));
    const QString drives = PlanReport::drivesNeededLine(plan.calculation, figures);
    if (!drives.isEmpty())
        insertParagraph(cursor, drives, textFormat(10));
    insertParagraph(cursor, PlanReport::conventionsLine(), textFormat(8), 16);
    return document;
}

QPageLayout planReportPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12),
                       QPageLayout::Millimeter);
}

void printPlanReport(const QString &planName, const SitePlan &plan, QPagedPaintDevice *device)
{
    const auto document = planReportDocument(planName, plan);
    // Laid out once, at a fixed 96 dpi whatever the screen, and painted page
    // by page scaled to the device. (QTextDocument::print() would lay out a
    // copy again at the device's resolution, several times slower for a
    // long table.)
    QImage layoutImage = layoutDevice();
    document->documentLayout()->setPaintDevice(&layoutImage);
    const QSizeF body = device->pageLayout().paintRect(QPageLayout::Inch).size() * kLayoutDpi;
    const qreal footer = 24;
    document->setPageSize(QSizeF(body.width(), body.height() - footer));

    const qreal scale = device->logicalDpiX() / kLayoutDpi;
    const int pages = document->pageCount();
    QPainter painter(device);
    painter.scale(scale, scale);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            device->newPage();
        const QRectF view(0, page * document->pageSize().height(), body.width(),
                          document->pageSize().height());
        painter.save();
        painter.translate(0, -view.top());
        document->drawContents(&painter, view);
        painter.restore();
        QFont numberFont = document->defaultFont();
        numberFont.setPixelSize(11); // in layout units, scaled with the page
        painter.setFont(numberFont);
        painter.drawText(QRectF(0, body.height() - footer, body.width(), footer), Qt::AlignCenter,
                         QStringLiteral("%1 / %2").arg(page + 1).arg(pages));
    }
}

bool writePlanReport(const QString &path, const QString &planName, const SitePlan &plan,
                     QString *error)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    if (suffix == QLatin1String("csv")) {
        bytes = PlanReport::toCsv(planName, QDate::currentDate(), plan, planFigures(plan));
    } else if (suffix == QLatin1String("pdf")) {
        // Laid out in memory first: the file is written only once the whole
        // report exists.
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setPageLayout(planReportPageLayout());
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
    const QFileInfo info(path);
    *error = PlanReportDocument::tr("The report could not be written as \"%1\" in the folder \"%2\": %3")
                 .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath()), reason);
    return false;
}
