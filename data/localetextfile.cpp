#include "data/localetextfile.h"

#include "platform/regularfile.h"

#include <QFile>
#include <QTextCodec>

QStringList localeTextLines(QByteArray bytes)
{
    // As a file read in text mode: every carriage return goes, not only
    // those that end a line.
    bytes.replace("\r", "");
    const QString text = QTextCodec::codecForLocale()->toUnicode(bytes);

    QStringList lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        lines.append(text.mid(start, end - start));
        start = end + 1;
    }
    return lines;
}

bool readLocaleTextLines(const QString &path, QStringList &lines)
{
    QByteArray bytes;
    if (!readRegularFile(path, &bytes))
        return false;
    lines += localeTextLines(bytes);
    return true;
}
