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
#include <QTextObjectInterface>
#include <QTextTable>

#include <algorithm>

namespace {

constexpr int kColumns = 14;
constexpr qreal kLayoutDpi = 96.0;
constexpr qreal kInchesPerMetre = 0.0254;
constexpr qreal kCellPadding = 3;
// A group's text takes at most this many lines of an even share of the
// table's width; a longer one is cut with an ellipsis. (A long text in a
// cell makes the table's layout slow with the square of its length.)
constexpr int kCellLines = 3;
// Columns that hold numbers are right-aligned.
constexpr bool kNumberColumn[kColumns] = {false, false, true, false, false, false, false,
                                          false, true,  true,  true,  false, false, true};
// Shares of the table's width, in percent: enough for the texts of each
// column at 8 pt, so that no word breaks inside.
constexpr qreal kColumnWidth[kColumns] = {11, 5.5, 6, 8, 6.5, 5, 6.5, 7, 6, 5.5, 6.5, 8.5, 7.5, 10.5};
// The chart of storage by group, painted into the document as one object
// with its heading and caption, so that a page break never parts them.
constexpr int kStorageChartObject = QTextFormat::UserObject + 1;
constexpr qreal kChartRow = 16;
constexpr qreal kChartAxis = 16;

class PlanReportDocument final
{
    Q_DECLARE_TR_FUNCTIONS(PlanReportDocument)
};

QTextCharFormat textFormat(qreal pointSize, bool bold = false)
{
    QTextCharFormat format;
    format.setFontPointSize(pointSize);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setFontStyleStrategy(QFont::PreferNoShaping);
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

// The columns of a table of the report: their shares of the page's width,
// in percent, and which of them hold numbers, right-aligned.
struct TableColumns
{
    const qreal *widths;
    const bool *numbers;
    int count;
};
constexpr TableColumns kGroupTable{kColumnWidth, kNumberColumn, kColumns};
// A recorder's groups: name, channels, recording, GB per day.
constexpr int kRecorderColumns = 4;
constexpr qreal kRecorderColumnWidth[kRecorderColumns] = {24, 7, 34, 17};
constexpr bool kRecorderNumberColumn[kRecorderColumns] = {false, true, false, true};
constexpr TableColumns kRecorderTable{kRecorderColumnWidth, kRecorderNumberColumn, kRecorderColumns};

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
    explicit CellElider(const QFont &font, const TableColumns &columns = kGroupTable, int lines = kCellLines)
        : m_device(layoutDevice())
        , m_metrics(font, &m_device)
        , m_columns(columns.count)
    {
        const qreal tableWidth = planReportPageLayout().paintRect(QPageLayout::Inch).width() * kLayoutDpi;
        for (int column = 0; column < columns.count; ++column)
            m_width[column] = lines * (tableWidth * columns.widths[column] / 100 - 2 * kCellPadding);
        // A line of the cell that breaks before a word holds less than its
        // width: count the widest character twice over.
        m_widestCharacter = 2 * m_metrics.maxWidth();
    }

    // A name keeps its end, the "(group number)" that tells the groups apart.
    QStringList elided(QStringList texts) const
    {
        for (qsizetype i = 0; i < texts.size() && i < m_columns; ++i) {
            // Most texts are too short to need measuring.
            if (texts.at(i).size() * m_widestCharacter <= m_width[i])
                continue;
            texts[i] = m_metrics.elidedText(texts.at(i), i == 0 ? Qt::ElideMiddle : Qt::ElideRight,
                                            m_width[i]);
        }
        return texts;
    }

private:
    QImage m_device;
    QFontMetricsF m_metrics;
    int m_columns = 0;
    qreal m_width[kColumns] = {};
    qreal m_widestCharacter = 0;
};

// Paints the chart of storage by group where the document holds it, with the
// painter the document is drawn with: lines and text, never a picture, so
// that it prints at the printer's resolution. Meaning is in the lengths, the
// names and the figures, never in a colour alone; the bar of the other groups
// is hatched.
class StorageChartObject final : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    StorageChartObject(const StorageChart &chart, const SitePlan &plan, const QFont &font, QObject *parent)
        : QObject(parent)
        , m_chart(chart)
        , m_device(layoutDevice())
        , m_heading(PlanReportDocument::tr("Storage by group"))
        , m_caption(PlanReport::storageChartCaption(chart))
        , m_headingFont(font)
        , m_captionFont(font)
        , m_font(font)
    {
        // Pixel sizes in layout units (96 dpi), scaled with the page: the
        // point sizes of the document's headings and small print.
        m_headingFont.setPixelSize(15);
        m_headingFont.setBold(true);
        m_captionFont.setPixelSize(11);
        m_font.setPixelSize(10);
        for (const StorageBar &bar : chart.bars) {
            m_labels << PlanReport::storageBarLabel(plan, bar);
            m_texts << PlanReport::storageBarText(bar);
        }
    }

    QSizeF intrinsicSize(QTextDocument *document, int, const QTextFormat &) override
    {
        const qreal width = document->textWidth() > 0 ? document->textWidth() : document->pageSize().width();
        const qreal objectWidth = std::max<qreal>(300, width - 2 * document->documentMargin() - 2);
        return QSizeF(objectWidth, headHeight(objectWidth) + m_chart.bars.size() * kChartRow + kChartAxis);
    }

    void drawObject(QPainter *painter, const QRectF &object, QTextDocument *, int, const QTextFormat &) override
    {
        painter->save();
        painter->setPen(Qt::black);
        painter->setFont(m_headingFont);
        const qreal heading = QFontMetricsF(m_headingFont, &m_device).height();
        painter->drawText(QRectF(object.left(), object.top(), object.width(), heading), Qt::AlignLeft, m_heading);
        painter->setFont(m_captionFont);
        painter->drawText(QRectF(object.left(), object.top() + heading + 2, object.width(), object.height()),
                          Qt::AlignLeft | Qt::TextWordWrap, m_caption);
        const QRectF rect = object.adjusted(0, headHeight(object.width()), 0, 0);

        const QFontMetricsF metrics(m_font, &m_device);
        const qreal gap = 6;
        const qreal labelWidth = rect.width() * 0.22;
        const qreal textWidth = rect.width() * 0.14;
        const qreal left = rect.left() + labelWidth + gap;
        const qreal width = rect.width() - labelWidth - textWidth - 2 * gap;
        const qreal bottom = rect.top() + m_chart.bars.size() * kChartRow;

        painter->setFont(m_font);
        painter->setRenderHint(QPainter::Antialiasing);
        for (const StorageTick &tick : m_chart.ticks) {
            const qreal x = left + width * tick.position;
            painter->setPen(QPen(QColor(0x80, 0x80, 0x80), 0.5, tick.percent > 0 ? Qt::DotLine : Qt::SolidLine));
            painter->drawLine(QPointF(x, rect.top()), QPointF(x, bottom + 3));
            painter->setPen(Qt::black);
            painter->drawText(QRectF(x - 40, bottom + 3, 80, kChartAxis - 3), Qt::AlignHCenter | Qt::AlignTop,
                              QStringLiteral("%1 %").arg(tick.percent));
        }
        const QBrush groupBrush(QColor(0xb4, 0xc4, 0xde));
        const QBrush othersBrush(Qt::black, Qt::BDiagPattern);
        for (int i = 0; i < m_chart.bars.size(); ++i) {
            const StorageBar &bar = m_chart.bars.at(i);
            const qreal top = rect.top() + i * kChartRow;
            const qreal middle = top + kChartRow / 2;
            painter->setPen(Qt::black);
            painter->drawText(QRectF(rect.left(), top, labelWidth, kChartRow), Qt::AlignRight | Qt::AlignVCenter,
                              metrics.elidedText(m_labels.at(i), Qt::ElideMiddle, labelWidth));
            painter->drawText(QRectF(left + width + gap, top, textWidth, kChartRow), Qt::AlignLeft | Qt::AlignVCenter,
                              metrics.elidedText(m_texts.at(i), Qt::ElideRight, textWidth));

            painter->setPen(QPen(Qt::black, 0.6));
            painter->setBrush(bar.group < 0 ? othersBrush : groupBrush);
            painter->drawRect(QRectF(left, top + 3.5, width * bar.length.expected, kChartRow - 7));
            // The whisker, with a cap at each end.
            painter->setPen(QPen(Qt::black, 0.9));
            const qreal low = left + width * bar.length.low;
            const qreal high = left + width * bar.length.high;
            if (high > low) {
                painter->drawLine(QPointF(low, middle), QPointF(high, middle));
                painter->drawLine(QPointF(low, middle - 3), QPointF(low, middle + 3));
                painter->drawLine(QPointF(high, middle - 3), QPointF(high, middle + 3));
            }
        }
        painter->restore();
    }

private:
    // The heading, the caption under it and the room before the bars.
    qreal headHeight(qreal width) const
    {
        const QFontMetricsF caption(m_captionFont, &m_device);
        return QFontMetricsF(m_headingFont, &m_device).height() + 2
               + caption.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, m_caption).height() + 8;
    }

    StorageChart m_chart;
    QImage m_device;
    QString m_heading;
    QString m_caption;
    QFont m_headingFont;
    QFont m_captionFont;
    QFont m_font;
    QStringList m_labels;
    QStringList m_texts;
};

// A box of labels and texts, the head of the report: one frame around a
// table without lines of its own.
// A row's mark, a symbol and a word, goes before its text in bold.
struct SummaryRow
{
    QString label;
    QString text;
    QString mark;
};

void insertSummary(QTextCursor &cursor, const QVector<SummaryRow> &rows, qreal topMargin = 8)
{
    QTextFrameFormat box;
    box.setBorder(1);
    box.setBorderBrush(Qt::black);
    box.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    box.setPadding(4);
    box.setTopMargin(topMargin);
    box.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    cursor.insertFrame(box);

    QTextTableFormat format;
    format.setCellPadding(2);
    format.setCellSpacing(0);
    format.setBorder(0);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 14),
                                      QTextLength(QTextLength::PercentageLength, 86)});
    QTextTable *table = cursor.insertTable(int(rows.size()), 2, format);
    for (int row = 0; row < rows.size(); ++row) {
        const SummaryRow &summary = rows.at(row);
        table->cellAt(row, 0).firstCursorPosition().insertText(summary.label, textFormat(9, true));
        QTextCursor text = table->cellAt(row, 1).firstCursorPosition();
        if (!summary.mark.isEmpty())
            text.insertText(summary.mark + QStringLiteral("  "), textFormat(10, true));
        text.insertText(summary.text, textFormat(9));
    }
    cursor.movePosition(QTextCursor::End);
}

QString verdictMark(RetentionVerdict::State state)
{
    return PlanReport::verdictSymbol(state) + QLatin1Char(' ') + PlanReport::verdictWord(state);
}

const QColor kAccent(0xe8, 0xef, 0xfa);

// A recorder's heading, a box with what its groups take of it, its limits,
// drives and verdict, a line for each limit broken (marked by a symbol and a
// word, so that it reads in black and white), and the table of its groups.
void insertRecorderSection(QTextCursor &cursor, const RecorderSection &section, int hoursPerDay,
                           const CellElider &elider, qreal documentMargin)
{
    insertParagraph(cursor, section.heading, textFormat(11, true), 14);
    QVector<SummaryRow> rows{
        {PlanReportDocument::tr("In use"), section.state, {}},
        {PlanReportDocument::tr("Limits"), section.limits, {}},
        {PlanReportDocument::tr("Drives"), section.array, {}},
        {PlanReportDocument::tr("Retention"), section.verdict,
         section.hasVerdict ? verdictMark(section.verdictState) : QString()},
    };
    const QString breachMark = PlanReport::verdictSymbol(RetentionVerdict::Short);
    for (const QString &breach : section.breaches)
        rows.append({PlanReportDocument::tr("Over a limit"), breach, breachMark});
    insertSummary(cursor, rows, 4);

    // One line a group, its columns set by tab stops: a paragraph lays out
    // several times faster than the cells of a table row.
    const qreal pageWidth = planReportPageLayout().paintRect(QPageLayout::Inch).width() * kLayoutDpi
                            - 2 * documentMargin;
    QList<QTextOption::Tab> tabs;
    qreal edge = 0;
    for (int column = 0; column < kRecorderColumns; ++column) {
        const qreal width = pageWidth * kRecorderColumnWidth[column] / 100;
        if (column > 0) {
            tabs.append(kRecorderNumberColumn[column]
                            ? QTextOption::Tab(edge + width - 2 * kCellPadding, QTextOption::RightTab)
                            : QTextOption::Tab(edge, QTextOption::LeftTab));
        }
        edge += width;
    }
    QTextBlockFormat row;
    row.setTabPositions(tabs);
    row.setLeftMargin(kCellPadding);
    row.setRightMargin(std::max<qreal>(0, pageWidth - edge));
    row.setTopMargin(1.5);
    row.setBottomMargin(1.5);
    row.setNonBreakableLines(true);
    QTextBlockFormat shaded = row;
    shaded.setBackground(kAccent);
    QTextBlockFormat header = shaded;
    header.setTopMargin(6);
    const auto insertRow = [&](const QTextBlockFormat &format, const QStringList &texts, const QTextCharFormat &text) {
        cursor.insertBlock(format, text);
        cursor.insertText(texts.join(QLatin1Char('\t')), text);
    };
    insertRow(header, PlanReport::recorderGroupTitles(hoursPerDay), textFormat(8, true));
    const QTextCharFormat cell = textFormat(8);
    for (int i = 0; i + 1 < section.groupRows.size(); ++i)
        insertRow(row, elider.elided(section.groupRows.at(i)), cell);
    insertRow(shaded, section.groupRows.last(), textFormat(8, true));
}

} // namespace

void registerStorageChart(QTextDocument *document, const StorageChart &chart, const SitePlan &plan,
                          const QFont &font)
{
    auto *handler = new StorageChartObject(chart, plan, font, document);
    document->documentLayout()->registerHandler(kStorageChartObject, handler);
}

std::unique_ptr<QTextDocument> planReportDocument(const QString &planName, const SitePlan &plan)
{
    const PlanFigures figures = planFigures(plan);

    auto document = std::make_unique<QTextDocument>();
    // A null page size keeps the layout, which the chart's handler creates
    // here, from laying out each insertion at an unbounded width: the
    // report is laid out once, at the size of its pages.
    document->setPageSize(QSizeF(0, 0));
    QFont font = QGuiApplication::font();
    font.setPointSizeF(9);
    font.setStyleStrategy(QFont::PreferNoShaping);
    document->setDefaultFont(font);
    document->setMetaInformation(QTextDocument::DocumentTitle, planName);
    const StorageChart chart = storageChart(figures);
    if (!chart.bars.isEmpty())
        registerStorageChart(document.get(), chart, plan, font);

    QTextCursor cursor(document.get());
    cursor.insertText(PlanReportDocument::tr("Storage plan: %1").arg(planName), textFormat(16, true));
    const QString date = OrvaneGUIToolkit::GuiLocale().toString(QDate::currentDate(), QLocale::LongFormat);
    insertParagraph(cursor,
                    PlanReportDocument::tr("Date: %1    Frame standard: %2")
                        .arg(date, PlanReport::frameStandardText(plan.frameStandard)),
                    textFormat(9), 6);

    const PlanRetention &retention = figures.retention;
    QVector<SummaryRow> summary{{PlanReportDocument::tr("Site"), PlanReport::summaryTotalsLine(figures), {}}};
    const PlanReport::SiteVerdict verdict = PlanReport::siteVerdict(plan, figures);
    if (verdict.known)
        summary.append({PlanReportDocument::tr("Retention"), verdict.text, verdictMark(verdict.state)});
    const QString timeRange = PlanReport::summaryTimeLine(plan.calculation, figures);
    if (!timeRange.isEmpty())
        summary.append({PlanReportDocument::tr("Recording time"), timeRange, {}});
    const QString sizeRange = PlanReport::summarySizeLine(plan.calculation, figures);
    if (!sizeRange.isEmpty())
        summary.append({PlanReportDocument::tr("Disk size"), sizeRange, {}});
    insertSummary(cursor, summary);

    // Each recorder's part right under the site's summary, where its verdict
    // and the limits its groups break are read first.
    const QFont recorderCellFont = [&] {
        QFont cellFont = font;
        cellFont.setPointSizeF(8);
        return cellFont;
    }();
    const CellElider recorderElider(recorderCellFont, kRecorderTable, 1);
    for (const RecorderSection &section : PlanReport::recorderSections(plan, figures))
        insertRecorderSection(cursor, section, figures.hoursPerDay, recorderElider, document->documentMargin());

    QTextTableFormat tableFormat;
    tableFormat.setHeaderRowCount(1);
    tableFormat.setCellPadding(kCellPadding);
    tableFormat.setCellSpacing(0);
    // Rows are told apart by shading: cell borders make the layout of a long
    // table several times slower.
    tableFormat.setBorder(0);
    tableFormat.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    QVector<QTextLength> widths;
    const qreal tableWidth = planReportPageLayout().paintRect(QPageLayout::Inch).width() * kLayoutDpi
                             - 2 * document->documentMargin();
    for (qreal width : kColumnWidth)
        widths.append(QTextLength(QTextLength::FixedLength, tableWidth * width / 100));
    tableFormat.setColumnWidthConstraints(widths);
    tableFormat.setTopMargin(10);
    QTextBlockFormat tableBlock;
    cursor.insertBlock(tableBlock);
    const int rows = int(plan.groups.size()) + 2;
    QTextTable *table = cursor.insertTable(rows, kColumns, tableFormat);

    // Only the header and the totals are shaded: at a page break the layout
    // stretches the shading of the last row on a page down to the next.
    const QColor &accent = kAccent;
    fillRow(table, 0,
            PlanReport::columnTitles(figures.hoursPerDay) + PlanReport::recordingColumnTitles(figures.hoursPerDay),
            textFormat(8, true), accent);
    const QTextCharFormat cell = textFormat(8);
    QFont cellFont = font;
    cellFont.setPointSizeF(8);
    const CellElider elider(cellFont);
    for (int i = 0; i < plan.groups.size(); ++i) {
        const PlanGroup &group = plan.groups.at(i);
        const GroupFigures &row = figures.groups.at(i);
        const QStringList texts = PlanReport::groupRow(group, row)
                                  + PlanReport::recordingColumns(group, row, retention.periodDays);
        fillRow(table, i + 1, elider.elided(texts), cell, QColor());
    }
    fillRow(table, rows - 1, PlanReport::totalsRow(figures) + PlanReport::recordingTotals(figures),
            textFormat(8, true), accent);

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

    if (!chart.bars.isEmpty()) {
        QTextCharFormat object;
        object.setObjectType(kStorageChartObject);
        QTextBlockFormat block;
        block.setTopMargin(12);
        cursor.insertBlock(block);
        cursor.insertText(QString(QChar::ObjectReplacementCharacter), object);
    }
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

#include "planreportdocument.moc"
