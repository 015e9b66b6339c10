#include "app/commandline.h"

#include "calc/diskarray.h"
#include "calc/planreportdocument.h"
#include "calc/recorders.h"
#include "data/sitedocument.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace apt {

namespace {

class CommandLineTexts final
{
    Q_DECLARE_TR_FUNCTIONS(CommandLineTexts)
};

CommandLine exitWith(int exitCode, const QString &text)
{
    CommandLine command;
    command.action = CommandLine::Action::Exit;
    command.exitCode = exitCode;
    command.text = text;
    return command;
}

void printError(const QString &text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text.simplified()));
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CommandLineTexts::tr("Storage planner for video-surveillance installations."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption report({QStringLiteral("r"), QStringLiteral("report")},
                                    CommandLineTexts::tr("Write the report of <plan> without a window."),
                                    CommandLineTexts::tr("plan"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    CommandLineTexts::tr("The report's file: .pdf or .csv."),
                                    CommandLineTexts::tr("file"));
    const QCommandLineOption check({QStringLiteral("c"), QStringLiteral("check")},
                                   CommandLineTexts::tr("Print whether every recorder of <plan> keeps its "
                                                        "period within its limits, without a window."),
                                   CommandLineTexts::tr("plan"));
    parser.addOption(report);
    parser.addOption(output);
    parser.addOption(check);
    parser.addPositionalArgument(QStringLiteral("plan"), CommandLineTexts::tr("A plan (.larkspan) to open."),
                                 QStringLiteral("[plan]"));

    if (!parser.parse(arguments))
        return exitWith(2, parser.errorText());
    if (parser.isSet(help))
        return exitWith(0, parser.helpText());
    if (parser.isSet(version))
        return exitWith(0, QCoreApplication::applicationName() + QLatin1Char(' ')
                               + QCoreApplication::applicationVersion());

    const QStringList positional = parser.positionalArguments();
    CommandLine command;
    if (parser.isSet(check)) {
        if (parser.isSet(report) || parser.isSet(output) || !positional.isEmpty())
            return exitWith(2, CommandLineTexts::tr("--check needs a plan and nothing else."));
        command.action = CommandLine::Action::Check;
        command.plan = parser.value(check);
        return command;
    }
    if (parser.isSet(report)) {
        if (!parser.isSet(output) || !positional.isEmpty())
            return exitWith(2, CommandLineTexts::tr("--report needs a plan and -o with the report's file, "
                                                    "and nothing else."));
        command.action = CommandLine::Action::Report;
        command.plan = parser.value(report);
        command.output = parser.value(output);
        return command;
    }
    if (parser.isSet(output))
        return exitWith(2, CommandLineTexts::tr("-o names the file of a --report."));
    if (positional.size() > 1)
        return exitWith(2, CommandLineTexts::tr("Only one plan can be opened at a time."));
    command.plan = positional.value(0);
    return command;
}

bool needsNoWindow(int argc, char **argv)
{
    // The window takes no option: any option is a report, the help, the
    // version or a mistake, and each of them ends without a window.
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-')
            return true;
    }
    return false;
}

void keepStderrForOwnMessages()
{
    static const QtMessageHandler previous = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if ((type == QtCriticalMsg || type == QtFatalMsg) && previous)
            previous(type, context, message);
    });
}

int runReportCommand(const QString &plan, const QString &output)
{
    // The plan as the window would show it, read the same way.
    SiteDocument document;
    QString error;
    if (!document.open(plan, &error)) {
        printError(CommandLineTexts::tr("larkspan: %1: %2").arg(plan, error));
        return 1;
    }
    const QString dropped = dropUnusableSpares(&document);
    if (!dropped.isEmpty())
        printError(CommandLineTexts::tr("larkspan: %1: %2").arg(plan, dropped));
    if (!writePlanReport(output, document.fileBaseName(), document.plan(), &error)) {
        printError(CommandLineTexts::tr("larkspan: %1").arg(error));
        return 1;
    }
    return 0;
}

int runCheckCommand(const QString &plan)
{
    SiteDocument document;
    QString error;
    if (!document.open(plan, &error)) {
        printError(CommandLineTexts::tr("larkspan: %1: %2").arg(plan, error));
        return 2;
    }
    dropUnusableSpares(&document);
    bool holds = true;
    for (const QString &line : siteCheckLines(document.plan(), &holds))
        std::fprintf(stdout, "%s\n", qPrintable(line));
    return holds ? 0 : 1;
}

} // namespace apt
