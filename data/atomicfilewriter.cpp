#include "data/atomicfilewriter.h"

#include <QCoreApplication>
#include <QFile>

namespace {

qint64 &failureLimit()
{
    static qint64 limit = -1;
    return limit;
}

} // namespace

AtomicFileWriter::AtomicFileWriter(const QString &path)
    : m_file(path)
{
}

AtomicFileWriter::~AtomicFileWriter() = default;

bool AtomicFileWriter::open()
{
    if (m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return true;
    m_failed = true;
    m_error = m_file.errorString();
    return false;
}

bool AtomicFileWriter::write(const QByteArray &bytes)
{
    if (m_failed || !m_file.isOpen())
        return false;
    const qint64 limit = failureLimit();
    if (limit >= 0 && m_written + bytes.size() > limit) {
        m_failed = true;
        m_error = QCoreApplication::translate("AtomicFileWriter", "No space left on device");
        return false;
    }
    if (m_file.write(bytes) != bytes.size() || m_file.error() != QFileDevice::NoError) {
        m_failed = true;
        m_error = m_file.errorString();
        return false;
    }
    m_written += bytes.size();
    return true;
}

bool AtomicFileWriter::commit()
{
    if (m_failed || !m_file.isOpen() || !m_file.flush() || m_file.error() != QFileDevice::NoError) {
        if (!m_failed)
            m_error = m_file.errorString();
        m_failed = true;
        m_file.cancelWriting();
        return false;
    }
    if (!m_file.commit()) {
        m_failed = true;
        m_error = m_file.errorString();
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
