#include "aptui/filenotice.h"

#include "aptui/desktopurl.h"

#include <QFileInfo>
#include <QPushButton>
#include <QUrl>

namespace aptui {

FileNotice::FileNotice(const QString &title, const QString &text, const QString &filePath,
                       Buttons buttons, QWidget *parent)
    : BaseDialog(false, false, false, false, true, false, false, parent)
    , m_text(text)
    , m_filePath(filePath)
{
    // Wider than the plain notices: a path takes room.
    setFixedSize(440, 240);
    setTitle(title);
    setObjectName(QStringLiteral("APP_WARNINGDLG"));
    setDefaultText(text);
    setDefaultTextSelectable(true);
    setBottomVisible(buttons != Buttons());
    // The buttons are no default: Return closes the notice, as it closes
    // every notice, even while a button has the focus; Space presses it.

    if (buttons.testFlag(OpenFileButton)) {
        auto *openFile = new QPushButton(tr("Open"));
        openFile->setObjectName(QStringLiteral("btnOpenFile"));
        openFile->setMinimumSize(72, 30);
        openFile->setAutoDefault(false);
        connect(openFile, &QPushButton::clicked, this, &FileNotice::onOpenFile);
        addBottomWidget(openFile);
    }
    if (buttons.testFlag(OpenFolderButton)) {
        auto *openFolder = new QPushButton(tr("Open Folder"));
        openFolder->setObjectName(QStringLiteral("btnOpenFolder"));
        openFolder->setMinimumSize(72, 30);
        openFolder->setAutoDefault(false);
        connect(openFolder, &QPushButton::clicked, this, &FileNotice::onOpenFolder);
        addBottomWidget(openFolder);
    }
}

FileNotice::~FileNotice() = default;

void FileNotice::onOpenFile()
{
    open(QUrl::fromLocalFile(m_filePath), tr("No program could open the file."));
}

void FileNotice::onOpenFolder()
{
    open(QUrl::fromLocalFile(QFileInfo(m_filePath).absolutePath()),
         tr("No program could open the folder."));
}

void FileNotice::open(const QUrl &url, const QString &failure)
{
    if (openDesktopUrl(url)) {
        accept();
        return;
    }
    setDefaultText(m_text + QLatin1Char('\n') + failure);
}

} // namespace aptui
