#pragma once

#include <QList>
#include <QRect>
#include <QString>

class QObject;

// The pieces of start-up that do not need a running application object, kept
// apart so that each can be checked on its own.
namespace apt {

// Searches the plain files of `folder`, in file-name order ignoring case, for
// a skin plug-in that offers `skinName` (exact, case-sensitive). Returns its
// root object, or nullptr. Libraries that load stay loaded whether or not
// they match (loading one registers its resources); files that are not
// plug-ins are skipped. A null name finds nothing.
QObject *findSkinPlugin(const QString &skinName, const QString &folder);

// The application style sheet: the texts of the plain files of
// `toolkitDirectory` in file-name order ignoring case, without the first file
// named `leftOut`, followed by the text of `applicationSheet`. Missing files
// count as empty.
QString assembleStyleSheet(const QString &toolkitDirectory, const QString &leftOut,
                           const QString &applicationSheet);

// Family of the application font for a language code; always used at 9
// points.
QString applicationFontFamily(int languageCode);

// The screens are acceptable when one of them reaches 1024 pixels to the
// right (right edge + 1) and one of them, the same or another, reaches 768
// pixels down (bottom edge + 1).
bool screensAcceptable(const QList<QRect> &screenGeometries);

} // namespace apt
