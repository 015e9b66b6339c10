#include "app/toolsapplication.h"
#include "app/version.h"
#include "mainwindow/larkspanmainpage.h"

#include <QCoreApplication>
#include <QDir>
#include <QScreen>

int main(int argc, char *argv[])
{
    // No translator exists yet, so the id is always this source text.
    const QString id = QCoreApplication::translate("main", "Larkspan");
    apt::ToolsApplication app(argc, argv, id);
    app.setApplicationName(id);
    app.setApplicationVersion(QLatin1String(apt::Version));
    app.addLibraryPath(QDir::toNativeSeparators(QCoreApplication::applicationDirPath())
                       + QDir::separator() + QStringLiteral("plugins"));

    if (!app.init())
        return -1;

    LarkspanMainPage window;
    window.connectPages();

    const MainWindowPlacement placement =
        mainWindowPlacement(QGuiApplication::primaryScreen()->availableGeometry());
    window.resize(placement.size);
    if (placement.moveToOrigin)
        window.move(0, 0);

    window.show();
    return app.exec();
}
