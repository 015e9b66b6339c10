// Renders one HTML source of the user manual to PDF at build time:
//   manualpdf <manual.html> <output.pdf>
// Pictures are looked up relative to the HTML file; a missing one fails the
// run. The page numbers come from the text layout's own pagination.
// The same sources give the same file when the build runs it with
// QT_HASH_SEED=0 (the writer puts the fonts out in hash order) and TZ=UTC:
// the creation date is then SOURCE_DATE_EPOCH's, when that is set.
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>

namespace {

// Writes the date of SOURCE_DATE_EPOCH over the creation date that the PDF
// writer took from the clock, in place (the date is written in UTC, so it
// keeps its length and every offset in the file stays right).
bool stampSourceDate(const QString &path)
{
    bool valid = false;
    const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&valid);
    if (!valid)
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray pdf = file.readAll();
    const QByteArray key = "/CreationDate (D:";
    const qsizetype at = pdf.indexOf(key);
    const QByteArray date = QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC)
                                .toString(QStringLiteral("yyyyMMddHHmmss'Z)'"))
                                .toLatin1();
    if (at < 0 || pdf.mid(at + key.size() + 14, 2) != "Z)")
        return false;
    pdf.replace(at + key.size(), date.size(), date);
    return file.seek(0) && file.write(pdf) == pdf.size();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: manualpdf <manual.html> <output.pdf>\n");
        return 2;
    }

    QFile source(args.at(1));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "manualpdf: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    const QString html = QString::fromUtf8(source.readAll());
    const QString folder = QFileInfo(args.at(1)).absolutePath() + QLatin1Char('/');

    // Printing lays out a copy of the document, which does not look pictures
    // up by itself (and comes out blank when one is missing), so every
    // picture goes in as a resource beforehand.
    QTextDocument document;
    static const QRegularExpression picture(QStringLiteral("<img\\s[^>]*src=\"([^\"]+)\""));
    for (auto it = picture.globalMatch(html); it.hasNext();) {
        const QString name = it.next().captured(1);
        const QImage image(folder + name);
        if (image.isNull()) {
            std::fprintf(stderr, "manualpdf: cannot read picture %s\n", qPrintable(folder + name));
            return 1;
        }
        document.addResource(QTextDocument::ImageResource, QUrl(name), image);
    }
    document.setHtml(html);

    QPdfWriter writer(args.at(2));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    writer.setCreator(QStringLiteral("Larkspan"));
    document.print(&writer);

    if (!QFileInfo(args.at(2)).size() || !stampSourceDate(args.at(2))) {
        std::fprintf(stderr, "manualpdf: cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
