#pragma once

#include <QString>
#include <QStringList>

namespace apt {

// What the command line asks for:
//   larkspan [PLAN]                        the window, opening PLAN
//   larkspan --report PLAN -o OUT.pdf|csv  the report, without a window
//   larkspan --check PLAN                  each recorder's verdict and breaches
//   larkspan --help | --version            a text, and the end
struct CommandLine
{
    enum class Action {
        Window,
        Report,
        Check,
        Exit, // print `text` (to stderr when exitCode is not 0) and end
    };
    Action action = Action::Window;
    QString plan;
    QString output;
    QString text;
    int exitCode = 0;
};

// `arguments` as QCoreApplication::arguments() gives them, program first.
CommandLine parseCommandLine(const QStringList &arguments);

// True when the raw arguments ask for no window (a report, the help, the
// version, or a mistake that ends with a message), so that the program may
// start without a screen.
bool needsNoWindow(int argc, char **argv);

// Drops Qt's own diagnostic lines (warnings about the session's folders, the
// platform, fonts), so that a command's stderr holds only its own message;
// critical and fatal messages still go out.
void keepStderrForOwnMessages();

// Writes the report of the plan file `plan` to `output` (PDF or CSV by its
// name). 0 on success; otherwise one line on stderr, a non-zero status, and
// nothing written.
int runReportCommand(const QString &plan, const QString &output);

// Prints what the plan file `plan` keeps, one line each: every recorder's
// verdict (the site's, without recorders) and every limit broken. 0 when
// everything holds at the high bound, 1 when something is short or broken,
// 2 when the plan is refused (one line on stderr).
int runCheckCommand(const QString &plan);

} // namespace apt
