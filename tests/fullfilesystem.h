#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#include <cerrno>
#include <cstring>
#endif

// A small tmpfs mounted on a temporary folder and filled until only `slack`
// bytes are left, so that a write meets a real "no space left on device"
// part-way. Mounting needs root (or the right capability); where it does not
// work, mounted() is false and why() says why, for a QSKIP message.
class FullFileSystem final
{
public:
    explicit FullFileSystem(qint64 slack = 8 * 1024)
    {
#ifdef Q_OS_LINUX
        if (!m_folder.isValid()) {
            m_why = QStringLiteral("no temporary folder");
            return;
        }
        const QByteArray target = QFile::encodeName(m_folder.path());
        if (::mount("tmpfs", target.constData(), "tmpfs", 0, "size=256k") != 0) {
            m_why = QStringLiteral("cannot mount a tmpfs here: ") + QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        m_mounted = true;
        fill(slack);
#else
        Q_UNUSED(slack)
        m_why = QStringLiteral("tmpfs mounts need Linux");
#endif
    }

    ~FullFileSystem()
    {
#ifdef Q_OS_LINUX
        if (m_mounted)
            ::umount2(QFile::encodeName(m_folder.path()).constData(), MNT_DETACH);
#endif
    }

    bool mounted() const { return m_mounted; }
    QString why() const { return m_why; }
    QString path() const { return m_folder.path(); }
    QString filePath(const QString &name) const { return m_folder.filePath(name); }
    // Writes `bytes` to `name` in the folder while there is room for it, as
    // a file that was there before the disk filled up.
    bool put(const QString &name, const QByteArray &bytes)
    {
        // Make room, write, and fill the room that is left again.
        QFile::remove(filePath(QStringLiteral(".filler")));
        QFile file(filePath(name));
        const bool ok = file.open(QIODevice::WriteOnly | QIODevice::Truncate)
                        && file.write(bytes) == bytes.size() && file.flush();
        file.close();
        fill(m_slack);
        return ok;
    }

private:
    Q_DISABLE_COPY_MOVE(FullFileSystem)

    // Leaves `slack` bytes free: a slack file keeps that room while a filler
    // takes everything else, then the slack file goes.
    void fill(qint64 slack)
    {
        m_slack = slack;
        QFile keep(filePath(QStringLiteral(".slack")));
        if (keep.open(QIODevice::WriteOnly | QIODevice::Truncate))
            keep.write(QByteArray(slack, 's'));
        keep.close();
        QFile filler(filePath(QStringLiteral(".filler")));
        if (filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
            const QByteArray block(4096, 'f');
            while (filler.write(block) == block.size()) {
            }
        }
        filler.close();
        QFile::remove(keep.fileName());
    }

    QTemporaryDir m_folder;
    bool m_mounted = false;
    qint64 m_slack = 0;
    QString m_why;
};
