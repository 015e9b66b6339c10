#pragma once

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>

// Writes `bytes` to `relativePath` below `root`, creating the folders on the
// way. Used by the data-layer tests to lay out fixture folders.
inline bool writeFixture(const QString &root, const QString &relativePath, const QByteArray &bytes)
{
    const QString path = root + QLatin1Char('/') + relativePath;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

inline QByteArray readFixture(const QString &root, const QString &relativePath)
{
    QFile file(root + QLatin1Char('/') + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The shipped data files in the source tree.
inline QString shippedDataDir()
{
    return QStringLiteral(LARKSPAN_SOURCE_DIR "/dist/files");
}

// Copies every file below `from` to the same place below `to`.
inline bool copyFixtureTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + path.mid(from.size());
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(path, target))
            return false;
    }
    return true;
}
