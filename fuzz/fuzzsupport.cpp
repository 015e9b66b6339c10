#include "fuzzsupport.h"

#include "platform/targetpath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

QString fuzzProgramFolder()
{
    static const QTemporaryDir folder = [] {
        const QString shared = QStringLiteral("/dev/shm");
        if (QFileInfo(shared).isDir() && QFileInfo(shared).isWritable())
            return QTemporaryDir(shared + QStringLiteral("/larkspan-fuzz-XXXXXX"));
        return QTemporaryDir();
    }();
    if (!folder.isValid()) {
        std::fprintf(stderr, "no temporary folder for the fuzz target\n");
        std::abort();
    }
    static const bool set = [] {
        OrvaneGUIToolkit::SetTargetPathOverride(folder.path());
        return true;
    }();
    Q_UNUSED(set)
    return folder.path();
}

QString fuzzFile(const QString &name)
{
    return fuzzProgramFolder() + QLatin1Char('/') + name;
}

void writeFuzzFile(const QString &name, const QByteArray &bytes)
{
    const QString path = fuzzFile(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write the input to %s\n", qPrintable(path));
        std::abort();
    }
}

void removeFuzzFile(const QString &name)
{
    const QString path = fuzzFile(name);
    if (QFileInfo(path).isDir())
        QDir(path).removeRecursively();
    else
        QFile::remove(path);
}

void fuzzPropertyBroken(const char *what, const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, what);
    std::abort();
}
