#pragma once

#include <QString>
#include <QStringList>

namespace OrvaneGUIToolkit {

class CFile final
{
public:
    // Whole text of one file (UTF-8); resource paths are allowed. A file that
    // cannot be read gives an empty text.
    static QString ReadAll(const QString &path);

    // Texts of the named files in `directory`, joined in list order with a
    // line break between them so that one file's last rule cannot run into
    // the next file's first.
    static QString ReadAll(const QStringList &names, const QString &directory);
};

} // namespace OrvaneGUIToolkit
