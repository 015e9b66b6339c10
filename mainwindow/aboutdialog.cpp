#include "mainwindow/aboutdialog.h"

#include "app/lanaguagemanager.h"
#include "app/version.h"
#include "aptui/basedialog.h"
#include "aptui/desktopurl.h"
#include "aptui/filenotice.h"
#include "platform/targetpath.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

QString userManualAddress(const QString &workingDirectory, unsigned languageCode)
{
    QString directory = QDir::fromNativeSeparators(workingDirectory);
    // A Unix path brings its own leading slash; "file:///" already has it.
    if (directory.startsWith(QLatin1Char('/')))
        directory.remove(0, 1);

    QString address = QStringLiteral("file:///") + directory;
    if (languageCode == 0)
        address += QStringLiteral("/Larkspan User Manual.pdf");
    else if (languageCode == 1)
        address += QStringLiteral("/Larkspan用户使用手册.pdf");
    return address;
}

AboutDialog::AboutDialog(QObject *parent)
    : aptui::CDlgAbout(parent)
{
    setName(tr("Larkspan"));
    setBtn1Text(tr("User Help"));
    setBtn2Text(tr("Update Scence"));
    setVersion(tr("v%1build").arg(QLatin1String(apt::Version)) + QLatin1String(apt::BuildTag));
    setConerBtnVisible(false);

    connect(this, &AboutDialog::siganlBtn1Clicked, this, &AboutDialog::onGetHelp);
}

AboutDialog::~AboutDialog() = default;

bool AboutDialog::onGetHelp()
{
    // The manual in the language of the interface, which may be the user's
    // choice rather than the one Setup.xml names.
    const auto language = unsigned(apt::LanaguageManager::interfaceLanguage());
    // Beside the executable first: started from a launcher or from another
    // folder, the program's working directory is not its own.
    const QStringList folders{QDir::cleanPath(OrvaneGUIToolkit::GetTargetPath()), QDir::currentPath()};
    for (const QString &folder : folders) {
        const QUrl url(userManualAddress(folder, language), QUrl::TolerantMode);
        // A desktop handler may start happily on a file that is not there and
        // fail later where nobody sees it; a missing manual gets the notice.
        const QString manual = url.toLocalFile();
        if (!QFileInfo::exists(manual))
            continue;
        if (aptui::openDesktopUrl(url))
            return true;
        // The manual is there but nothing opens it (no PDF viewer): say
        // where it is, so that it can be opened some other way.
        emit signalCover();
        aptui::FileNotice notice(tr("Hint"),
                                 tr("No program could open the user manual. It is here:\n%1")
                                     .arg(QDir::toNativeSeparators(manual)),
                                 manual, aptui::FileNotice::OpenFolderButton);
        notice.exec();
        emit signalDiscover();
        return false;
    }

    emit signalCover();
    aptui::execNotice(tr("Hint"), tr("No user manual found."));
    emit signalDiscover();
    return false;
}
