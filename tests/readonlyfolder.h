#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#endif

// A temporary folder holding `files` (name → bytes) that this process cannot
// write to. Its permissions bind an ordinary user; root writes through them,
// so for root the folder is a tmpfs mounted read-only instead. Where that
// mount is not allowed, isReadOnly() is false and why() says why, for a QSKIP
// message.
class ReadOnlyFolder final
{
public:
    explicit ReadOnlyFolder(const QMap<QString, QByteArray> &files = {})
    {
        if (!m_folder.isValid()) {
            m_why = QStringLiteral("no temporary folder");
            return;
        }
#ifdef Q_OS_LINUX
        const QByteArray target = QFile::encodeName(m_folder.path());
        m_root = ::geteuid() == 0;
        if (m_root && ::mount("tmpfs", target.constData(), "tmpfs", 0, "size=256k") != 0) {
            m_why = QStringLiteral("cannot mount a tmpfs here: ") + QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        m_mounted = m_root;
#endif
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            QFile file(filePath(it.key()));
            if (!file.open(QIODevice::WriteOnly) || file.write(it.value()) != it.value().size()) {
                m_why = QStringLiteral("cannot write ") + it.key();
                return;
            }
        }
#ifdef Q_OS_LINUX
        if (m_mounted) {
            if (::mount("tmpfs", target.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=256k") != 0) {
                m_why = QStringLiteral("cannot mount a tmpfs read-only: ") + QString::fromLocal8Bit(std::strerror(errno));
                return;
            }
            m_readOnly = true;
            return;
        }
#endif
        m_readOnly = QFile::setPermissions(m_folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (!m_readOnly)
            m_why = QStringLiteral("cannot take the write permission away");
    }

    ~ReadOnlyFolder()
    {
#ifdef Q_OS_LINUX
        if (m_mounted)
            ::umount2(QFile::encodeName(m_folder.path()).constData(), MNT_DETACH);
#endif
        // The folder is removed with its files once it may be written again.
        QFile::setPermissions(m_folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                   | QFileDevice::ExeOwner);
    }

    bool isReadOnly() const { return m_readOnly; }
    QString why() const { return m_why; }
    QString path() const { return m_folder.path(); }
    QString filePath(const QString &name) const { return m_folder.filePath(name); }
    QStringList entries() const
    {
        return QDir(path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    }

private:
    Q_DISABLE_COPY_MOVE(ReadOnlyFolder)

    QTemporaryDir m_folder;
    bool m_root = false;
    bool m_mounted = false;
    bool m_readOnly = false;
    QString m_why;
};
