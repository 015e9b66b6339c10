#include "platform/regularfile.h"

#include <QCoreApplication>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QString notRegularText()
{
    return QCoreApplication::translate("RegularFile", "Not a regular file (a pipe, a device or a socket)");
}

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

} // namespace

FileKind fileKindOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return FileKind::Missing;
    if (info.isDir())
        return FileKind::Folder;
    return info.isFile() ? FileKind::Regular : FileKind::Other;
}

bool openRegularFile(QFile &file, const QString &path, QString *error)
{
    switch (fileKindOf(path)) {
    case FileKind::Missing:
        return fail(error, QCoreApplication::translate("RegularFile", "No such file"));
    case FileKind::Folder:
        return fail(error, QCoreApplication::translate("RegularFile", "A folder, not a file"));
    case FileKind::Other:
        return fail(error, notRegularText());
    case FileKind::Regular:
        break;
    }
    file.setFileName(path);
#ifdef Q_OS_UNIX
    // Resources live in the program itself: never a pipe.
    if (path.startsWith(QLatin1Char(':'))) {
        if (!file.open(QIODevice::ReadOnly))
            return fail(error, file.errorString());
        return true;
    }
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fail(error, qt_error_string(errno));
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return fail(error, notRegularText());
    }
    // Regular files ignore the flag; cleared all the same, as an ordinary open leaves it.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return fail(error, file.errorString());
    }
    return true;
#else
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, file.errorString());
    return true;
#endif
}

bool readRegularFile(const QString &path, QByteArray *bytes, qint64 maxBytes, QString *error)
{
    QFile file;
    if (!openRegularFile(file, path, error))
        return false;
    *bytes = maxBytes < 0 ? file.readAll() : file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        return fail(error, file.errorString());
    return true;
}
