#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// What a path names, found without opening it. Opening a pipe waits for a
// writer and reading a device may never end, so every reader of a file a
// user can name reads regular files only (a link counts as what it names).
enum class FileKind
{
    Missing,
    Folder,
    Regular,
    Other, // a pipe, a device or a socket
};

FileKind fileKindOf(const QString &path);

// Opens `path` for reading when it is a regular file. The file is opened
// without blocking and checked again once open, so that a pipe put in its
// place after the first check cannot block either. False, with the reason in
// `error` when asked for, when it is anything else or does not open.
bool openRegularFile(QFile &file, const QString &path, QString *error = nullptr);

// At most `maxBytes` bytes of a regular file (all of it when negative); false
// as openRegularFile() is, or when reading fails.
bool readRegularFile(const QString &path, QByteArray *bytes, qint64 maxBytes = -1,
                     QString *error = nullptr);
