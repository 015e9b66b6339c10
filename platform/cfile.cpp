#include "platform/cfile.h"

#include "platform/regularfile.h"

#include <QDir>
#include <QFile>

namespace OrvaneGUIToolkit {

QString CFile::ReadAll(const QString &path)
{
    QByteArray bytes;
    if (!readRegularFile(path, &bytes))
        return {};
    return QString::fromUtf8(bytes);
}

QString CFile::ReadAll(const QStringList &names, const QString &directory)
{
    const QDir dir(directory);
    QStringList texts;
    texts.reserve(names.size());
    for (const QString &name : names)
        texts << ReadAll(dir.filePath(name));
    return texts.join(QLatin1Char('\n'));
}

} // namespace OrvaneGUIToolkit
