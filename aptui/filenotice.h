#pragma once

#include "aptui/basedialog.h"

#include <QFlags>
#include <QString>

class QUrl;

namespace aptui {

// A notice about one file: a text that names it (selectable, so the path
// can be copied), and buttons in the bottom bar that open the file or its
// folder with the desktop's handlers. A button that opened what it names
// closes the notice; one that could not says so under the text and leaves
// the notice open. It is a notice like the others (object name
// "APP_WARNINGDLG", only the title bar's close button): Return and Escape
// close it.
class FileNotice final : public BaseDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FileNotice)

public:
    enum Button { OpenFileButton = 0x1, OpenFolderButton = 0x2 };
    Q_DECLARE_FLAGS(Buttons, Button)

    FileNotice(const QString &title, const QString &text, const QString &filePath, Buttons buttons,
               QWidget *parent = nullptr);
    ~FileNotice() override;

private slots:
    void onOpenFile();
    void onOpenFolder();

private:
    void open(const QUrl &url, const QString &failure);

    QString m_text;
    QString m_filePath;
};

} // namespace aptui

Q_DECLARE_OPERATORS_FOR_FLAGS(aptui::FileNotice::Buttons)
