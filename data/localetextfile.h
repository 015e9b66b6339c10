#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Lines of text in the system's locale codec, without their line
// terminators ("\n" or "\r\n"; every carriage return is dropped). A final
// line feed does not start another line.
QStringList localeTextLines(QByteArray bytes);

// The lines of a file as localeTextLines() gives them, appended to `lines`.
// False when the file does not open (missing, a folder, unreadable).
bool readLocaleTextLines(const QString &path, QStringList &lines);
