#pragma once

#include <QString>
#include <QStringList>

// Lines of a text file in the system's locale codec, without their line
// terminators ("\n" or "\r\n"). A final line feed does not start another
// line. False when the file does not open (missing, a folder, unreadable).
bool readLocaleTextLines(const QString &path, QStringList &lines);
