#include "app/commandline.h"
#include "app/handover.h"
#include "app/toolsapplication.h"
#include "app/version.h"
#include "mainwindow/larkspanmainpage.h"

#include <QCoreApplication>
#include <QDir>
#include <QScreen>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    // A report, the help or the version needs no screen, and its output is
    // its own.
    if (apt::needsNoWindow(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        apt::keepStderrForOwnMessages();
    }

    // No translator exists yet, so the id is always this source text.
    const QString id = QCoreApplication::translate("main", "Larkspan");
    apt::ToolsApplication app(argc, argv, id);
    app.setApplicationName(id);
    app.setApplicationVersion(QLatin1String(apt::Version));
    app.setDesktopFileName(QLatin1String(apt::DesktopFileName));
    app.addLibraryPath(QDir::toNativeSeparators(QCoreApplication::applicationDirPath())
                       + QDir::separator() + QStringLiteral("plugins"));

    const apt::CommandLine command = apt::parseCommandLine(QCoreApplication::arguments());
    switch (command.action) {
    case apt::CommandLine::Action::Exit:
        std::fprintf(command.exitCode ? stderr : stdout, "%s\n", qPrintable(command.text.trimmed()));
        return command.exitCode;
    case apt::CommandLine::Action::Report:
        app.initForReport();
        return apt::runReportCommand(command.plan, command.output);
    case apt::CommandLine::Action::Check:
        app.initForReport();
        return apt::runCheckCommand(command.plan);
    case apt::CommandLine::Action::Window:
        break;
    }

    // A plan for a Larkspan that already runs is opened there.
    if (!command.plan.isEmpty() && app.isRunning() && app.sendMessage(apt::HandOver::planMessage(command.plan)))
        return 0;

    if (!app.init())
        return -1;

    LarkspanMainPage window;
    window.connectPages();
    apt::HandOver::connectWindow(&app, &window);

    const MainWindowPlacement placement =
        mainWindowPlacement(QGuiApplication::primaryScreen()->availableGeometry());
    window.resize(placement.size);
    if (placement.moveToOrigin)
        window.move(0, 0);

    window.show();
    if (!command.plan.isEmpty()) {
        const QString plan = command.plan;
        QTimer::singleShot(0, &window, [&window, plan] { window.openPlan(plan); });
    }
    return app.exec();
}
