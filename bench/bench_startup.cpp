// Start-up of the staged program against a bare Qt window of the same size,
// each timed from outside as a whole process: from its start until it exits
// right after its first window was painted (quitwhenshown is preloaded into
// both). Wall time and peak resident memory, medians of alternating runs on
// a virtual X server with one 1920 x 1080 screen, so that both talk to a
// window system as on a desktop (the offscreen platform stands in when Xvfb
// is missing). The same bare window with one line of text is timed too, for
// reference: it shows what any text costs before a single widget is built.
//   bench_startup [runs]
#include "mainwindow/larkspanmainpage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

extern char **environ;

namespace {

constexpr double WallTarget = 1.2;
constexpr double MemoryTarget = 1.3;
const QSize Screen(1920, 1080);

struct Run
{
    double milliseconds = 0;
    double peakMegabytes = 0;
};

struct Program
{
    QByteArray path;
    QList<QByteArray> arguments;
    QByteArray workingDirectory;
};

void silence()
{
    const int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, STDOUT_FILENO);
    dup2(quiet, STDERR_FILENO);
}

// Runs the program to its end with `environment` added to this process's
// own; false when it could not start or did not exit with 0.
bool runOnce(const Program &program, const QList<QByteArray> &environment, Run &run)
{
    std::vector<char *> argv{const_cast<char *>(program.path.constData())};
    for (const QByteArray &argument : program.arguments)
        argv.push_back(const_cast<char *>(argument.constData()));
    argv.push_back(nullptr);
    std::vector<char *> envp;
    for (const QByteArray &entry : environment)
        envp.push_back(const_cast<char *>(entry.constData()));
    for (char **entry = environ; *entry; ++entry) {
        const QByteArray name = QByteArray(*entry).split('=').value(0);
        if (std::none_of(environment.begin(), environment.end(),
                         [&](const QByteArray &own) { return own.startsWith(QByteArray(name + '=')); }))
            envp.push_back(*entry);
    }
    envp.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        silence();
        if (chdir(program.workingDirectory.constData()) == 0)
            execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    if (pid < 0)
        return false;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return false;
    const auto end = std::chrono::steady_clock::now();
    run.milliseconds = std::chrono::duration<double, std::milli>(end - start).count();
    run.peakMegabytes = usage.ru_maxrss / 1024.0;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

QByteArray loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return "unknown";
    return file.readAll().split(' ').mid(0, 3).join(' ');
}

// A virtual X server for the measured programs, stopped with this object.
class VirtualScreen final
{
public:
    VirtualScreen()
    {
        int ready[2];
        if (pipe(ready) != 0)
            return;
        m_pid = fork();
        if (m_pid == 0) {
            close(ready[0]);
            silence();
            const QByteArray fd = QByteArray::number(ready[1]);
            const QByteArray screen = QByteArray::number(Screen.width()) + 'x'
                                      + QByteArray::number(Screen.height()) + "x24";
            execlp("Xvfb", "Xvfb", "-displayfd", fd.constData(), "-screen", "0",
                   screen.constData(), "-nolisten", "tcp", static_cast<char *>(nullptr));
            _exit(127);
        }
        close(ready[1]);
        // Xvfb writes its display number once it accepts connections.
        QByteArray number;
        char c;
        while (m_pid > 0 && read(ready[0], &c, 1) == 1 && c != '\n')
            number += c;
        close(ready[0]);
        bool ok = false;
        m_display = number.toInt(&ok);
        if (!ok)
            m_display = -1;
    }
    ~VirtualScreen()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }
    Q_DISABLE_COPY_MOVE(VirtualScreen)

    int display() const { return m_display; }

private:
    pid_t m_pid = -1;
    int m_display = -1;
};

const char *verdict(double ratio, double target)
{
    return ratio <= target ? "within target" : "ABOVE TARGET";
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = qMax(1, app.arguments().value(1, QStringLiteral("15")).toInt());
    const QString stage = QStringLiteral(LARKSPAN_STAGE_DIR);
    if (!QFile::exists(stage + QStringLiteral("/larkspan"))) {
        std::fprintf(stderr, "bench_startup: no staged program in %s\n", qPrintable(stage));
        return 1;
    }

    QTemporaryDir scratch;
    // A lock folder of its own, so that a Larkspan running elsewhere does not
    // count as this one's first instance.
    const QString runtime = scratch.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                       | QFileDevice::ExeOwner);
    QList<QByteArray> environment{"XDG_RUNTIME_DIR=" + runtime.toLocal8Bit(),
                                  "LD_PRELOAD=" QUIT_WHEN_SHOWN_LIBRARY};

    const VirtualScreen xserver;
    QByteArray platform;
    if (xserver.display() >= 0) {
        platform = "Xvfb with the xcb platform";
        environment << "QT_QPA_PLATFORM=xcb" << "DISPLAY=:" + QByteArray::number(xserver.display());
    } else {
        platform = "the offscreen platform (no Xvfb)";
        const QString screenFile = scratch.filePath(QStringLiteral("screen.json"));
        QFile screen(screenFile);
        if (!screen.open(QIODevice::WriteOnly))
            return 1;
        screen.write(QStringLiteral("{\"screens\":[{\"name\":\"s\",\"x\":0,\"y\":0,\"width\":%1,"
                                    "\"height\":%2,\"logicalDpi\":96}]}")
                         .arg(Screen.width())
                         .arg(Screen.height())
                         .toUtf8());
        environment << "QT_QPA_PLATFORM=offscreen:configfile=" + screenFile.toLocal8Bit();
    }

    const QSize window = mainWindowPlacement(QRect(QPoint(0, 0), Screen)).size;
    const QByteArray windowSize = QByteArray::number(window.width()) + 'x'
                                  + QByteArray::number(window.height());
    const Program bare{STARTUP_BARE_PROGRAM, {windowSize}, stage.toLocal8Bit()};
    const Program text{STARTUP_BARE_PROGRAM, {windowSize, "Larkspan"}, stage.toLocal8Bit()};
    const Program larkspan{(stage + QStringLiteral("/larkspan")).toLocal8Bit(), {},
                           stage.toLocal8Bit()};

    const QByteArray loadBefore = loadAverage();
    std::vector<double> bareTimes, bareMemory, ownTimes, ownMemory, textTimes, textMemory;
    // One unmeasured run each fills the file cache.
    for (int i = -1; i < runs; ++i) {
        Run a, b, c;
        if (!runOnce(bare, environment, a) || !runOnce(larkspan, environment, b)
            || !runOnce(text, environment, c)) {
            std::fprintf(stderr, "bench_startup: a program did not start and end cleanly\n");
            return 1;
        }
        if (i < 0)
            continue;
        bareTimes.push_back(a.milliseconds);
        bareMemory.push_back(a.peakMegabytes);
        ownTimes.push_back(b.milliseconds);
        ownMemory.push_back(b.peakMegabytes);
        textTimes.push_back(c.milliseconds);
        textMemory.push_back(c.peakMegabytes);
    }

    const double wallRatio = median(ownTimes) / median(bareTimes);
    const double memoryRatio = median(ownMemory) / median(bareMemory);
    std::printf("Start-up to the first painted window, %dx%d on %s, medians of %d runs each "
                "(load average before %s, after %s):\n",
                window.width(), window.height(), platform.constData(), runs,
                loadBefore.constData(), loadAverage().constData());
    std::printf("  bare Qt window: %7.1f ms, peak %6.1f MB\n", median(bareTimes), median(bareMemory));
    std::printf("  Larkspan:       %7.1f ms, peak %6.1f MB\n", median(ownTimes), median(ownMemory));
    std::printf("  for reference, the bare window with one word in a label: %.1f ms, peak %.1f MB "
                "(%.2f x and %.2f x the bare window)\n",
                median(textTimes), median(textMemory), median(textTimes) / median(bareTimes),
                median(textMemory) / median(bareMemory));
    std::printf("  wall time   %.2f x the bare window (target <= %.1f x): %s\n", wallRatio,
                WallTarget, verdict(wallRatio, WallTarget));
    std::printf("  peak memory %.2f x the bare window (target <= %.1f x): %s\n", memoryRatio,
                MemoryTarget, verdict(memoryRatio, MemoryTarget));
    return 0;
}
