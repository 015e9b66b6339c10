#include "platform/atomicfilewriter.h"

#include "platform/regularfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstdio>
#include <unistd.h>
#endif

namespace {

qint64 &failureLimit()
{
    static qint64 limit = -1;
    return limit;
}

QString noSpaceText()
{
    return QCoreApplication::translate("AtomicFileWriter", "No space left on device");
}

// The file a write of `path` replaces: that of a link, as a user who linked a
// file expects, else `path` itself.
QString targetOf(const QString &path)
{
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : info.absoluteFilePath();
}

// Why a temporary file beside `target` could not be made, in the user's terms
// where the folder tells it.
QString openFailure(const QString &target, const QString &fallback)
{
    const QFileInfo file(target);
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists())
        return QCoreApplication::translate("AtomicFileWriter", "No such folder");
    if (!folder.isDir())
        return QCoreApplication::translate("AtomicFileWriter", "Not a folder");
#ifdef Q_OS_UNIX
    if (::access(QFile::encodeName(folder.absoluteFilePath()).constData(), W_OK) != 0 && errno == EROFS)
        return QCoreApplication::translate("AtomicFileWriter", "The folder is on a read-only disk");
#endif
    if (!folder.isWritable())
        return QCoreApplication::translate("AtomicFileWriter", "No permission to write in this folder");
    if (file.exists() && !file.isWritable())
        return QCoreApplication::translate("AtomicFileWriter", "No permission to replace the file");
    return fallback;
}

bool renameOver(const QString &from, const QString &to, QString *error)
{
#ifdef Q_OS_UNIX
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    *error = errno == ENOSPC ? noSpaceText() : qt_error_string(errno);
    return false;
#else
    QFile::remove(to);
    QFile file(from);
    if (file.rename(to))
        return true;
    *error = file.errorString();
    return false;
#endif
}

} // namespace

QString AtomicFileWriter::stagingName(const QString &targetFileName)
{
    return targetFileName + QStringLiteral(".larkspan-save");
}

void AtomicFileWriter::removeStaleTemporaries(const QString &path)
{
    const QFileInfo target(path);
    const QDir folder = target.absoluteDir();
    const QString staging = stagingName(target.fileName());
    // QSaveFile names a temporary file by its target's name and six letters or digits.
    static const QRegularExpression suffix(QStringLiteral("^(\\.[A-Za-z0-9]{6})?$"));
    const QDateTime staleBefore = QDateTime::currentDateTimeUtc().addSecs(-StaleSeconds);
    // Not by a name filter: a plan's name may hold the filter's wildcards.
    const QFileInfoList entries = folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        if (name.startsWith(staging) && suffix.match(QStringView(name).mid(staging.size())).hasMatch()
            && entry.lastModified().toUTC() <= staleBefore)
            QFile::remove(entry.absoluteFilePath());
    }
}

AtomicFileWriter::AtomicFileWriter(const QString &path)
    : m_target(targetOf(path))
    , m_file(QFileInfo(m_target).absoluteDir().filePath(stagingName(QFileInfo(m_target).fileName())))
{
}

AtomicFileWriter::~AtomicFileWriter() = default;

bool AtomicFileWriter::open()
{
    removeStaleTemporaries(m_target);
    // A link put at the staging name would send the copy elsewhere and land
    // itself on the target.
    if (QFileInfo(m_file.fileName()).isSymLink())
        QFile::remove(m_file.fileName());
    const QFileInfo target(m_target);
    if (target.exists() && !target.isWritable()) {
        m_failed = true;
        m_error = openFailure(m_target, QString());
        return false;
    }
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        m_failed = true;
        m_error = openFailure(m_target, m_file.errorString());
        return false;
    }
    // The new file keeps the old one's permissions, as a rewrite in place would.
    if (target.exists())
        m_file.setPermissions(target.permissions());
    return true;
}

bool AtomicFileWriter::write(const QByteArray &bytes)
{
    if (m_failed || !m_file.isOpen())
        return false;
    const qint64 limit = failureLimit();
    if (limit >= 0 && m_written + bytes.size() > limit) {
        m_failed = true;
        m_error = noSpaceText();
        return false;
    }
    // A write that meets a full disk part-way returns the bytes it wrote and
    // no error; the next one gets the disk's error.
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 count = m_file.write(bytes.constData() + done, bytes.size() - done);
        if (count <= 0)
            break;
        done += count;
    }
    m_written += done;
    if (done < bytes.size() || m_file.error() != QFileDevice::NoError) {
        m_failed = true;
        const QFileDevice::FileError error = m_file.error();
        m_error = error == QFileDevice::NoError || error == QFileDevice::ResourceError
                      ? noSpaceText()
                      : m_file.errorString();
        return false;
    }
    return true;
}

bool AtomicFileWriter::commit()
{
    if (m_failed || !m_file.isOpen() || !m_file.flush() || m_file.error() != QFileDevice::NoError) {
        if (!m_failed) {
            m_error = m_file.error() == QFileDevice::ResourceError ? noSpaceText() : m_file.errorString();
        }
        m_failed = true;
        m_file.cancelWriting();
        return false;
    }
    if (!m_file.commit()) {
        m_failed = true;
        m_error = m_file.error() == QFileDevice::ResourceError ? noSpaceText() : m_file.errorString();
        return false;
    }
    if (!renameOver(m_file.fileName(), m_target, &m_error)) {
        m_failed = true;
        QFile::remove(m_file.fileName());
        return false;
    }
    return true;
}

QString AtomicFileWriter::errorString() const
{
    return m_error;
}

void AtomicFileWriter::failWritesBeyondForTesting(qint64 bytes)
{
    failureLimit() = bytes;
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *errorString)
{
    AtomicFileWriter writer(path);
    const bool ok = writer.open() && writer.write(bytes) && writer.commit();
    if (!ok && errorString)
        *errorString = writer.errorString();
    return ok;
}

bool copyFileAtomically(const QString &source, const QString &target, QString *errorString)
{
    const auto fail = [errorString](const QString &why) {
        if (errorString)
            *errorString = why;
        return false;
    };

    QFile in;
    QString why;
    if (!openRegularFile(in, source, &why))
        return fail(why);
    AtomicFileWriter writer(target);
    if (!writer.open())
        return fail(writer.errorString());
    constexpr qint64 ChunkSize = 64 * 1024;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(ChunkSize);
        if (chunk.isEmpty()) {
            if (in.error() != QFileDevice::NoError)
                return fail(in.errorString());
            break;
        }
        if (!writer.write(chunk))
            return fail(writer.errorString());
    }
    if (!writer.commit())
        return fail(writer.errorString());
    return true;
}
