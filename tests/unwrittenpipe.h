#pragma once

#include <QDeadlineTimer>
#include <QFile>
#include <QString>
#include <QThread>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// A named pipe that nobody writes to: opening it for reading waits for a
// writer for ever. readReturns() runs a read on the calling thread (a
// window's too) and says whether it came back without waiting for the pipe:
// from a few seconds on, a watcher opens and closes the pipe for writing,
// which lets a waiting reader go on, so that a reader that blocks fails its
// test instead of hanging the run.
class UnwrittenPipe final
{
public:
    explicit UnwrittenPipe(const QString &path)
        : m_path(QFile::encodeName(path))
        , m_made(::mkfifo(m_path.constData(), 0600) == 0)
    {
    }

    ~UnwrittenPipe() { ::unlink(m_path.constData()); }

    bool made() const { return m_made; }

    template <typename Read>
    bool readReturns(Read read)
    {
        std::atomic<bool> done{false};
        std::atomic<bool> released{false};
        std::thread watcher([this, &done, &released] {
            const QDeadlineTimer deadline(3000);
            while (!done && !deadline.hasExpired())
                QThread::msleep(5);
            while (!done) {
                // Opens only while a reader has the pipe open, or waits to.
                const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
                if (fd >= 0) {
                    ::close(fd);
                    released = true;
                }
                QThread::msleep(5);
            }
        });
        read();
        done = true;
        watcher.join();
        return !released;
    }

private:
    Q_DISABLE_COPY_MOVE(UnwrittenPipe)

    QByteArray m_path;
    bool m_made = false;
};
