#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

// Writes a file so that its target is replaced only by a complete copy. The
// bytes go, unbuffered, to a temporary file beside the target: a full disk
// then fails the write that meets it. Buffered, a small file would sit in
// QSaveFile's buffer until commit, whose failed flush still renames the cut
// file over the old one. Any failure leaves the old file whole; a writer
// destroyed without commit() removes its temporary file.
//
// Where the file system has unnamed temporary files, nothing is seen beside
// the target until the complete file is renamed over it. Elsewhere (vfat,
// exFAT, many network shares) the temporary file has a name, and a program
// killed mid-write leaves it behind; the name says whose it is (stagingName()
// and stagingName() + ".XXXXXX"), and the next write of the same target
// removes those older than StaleSeconds.
class AtomicFileWriter final
{
public:
    static constexpr int StaleSeconds = 60;

    // The complete copy is renamed to this name beside the target first, then
    // over the target.
    static QString stagingName(const QString &targetFileName);
    // Removes the stale temporary files of `path` left in its folder: regular
    // files of the two temporary names last written StaleSeconds or more ago.
    static void removeStaleTemporaries(const QString &path);

    explicit AtomicFileWriter(const QString &path);
    ~AtomicFileWriter();

    bool open();
    // False once any write failed; later writes are refused.
    bool write(const QByteArray &bytes);
    // Replaces the target; false, with the old file whole, when opening or
    // any write failed or the rename does not succeed.
    bool commit();
    QString errorString() const;

    // Test seam: every writer of the process fails the write that would take
    // its file past `bytes` bytes. A negative value turns it off.
    static void failWritesBeyondForTesting(qint64 bytes);

private:
    Q_DISABLE_COPY_MOVE(AtomicFileWriter)

    QString m_target;
    QSaveFile m_file;
    qint64 m_written = 0;
    bool m_failed = false;
    QString m_error;
};

// Opens, writes `bytes` and commits; the error text, when asked for, says
// why it failed.
bool writeFileAtomically(const QString &path, const QByteArray &bytes,
                         QString *errorString = nullptr);

// Copies `source` over `target` through an AtomicFileWriter, in chunks, so
// that `target` is replaced only by a complete copy. Copying a file onto
// itself leaves it as it was. False, with the error text when asked for,
// when the source does not read or the copy cannot be written whole.
bool copyFileAtomically(const QString &source, const QString &target,
                        QString *errorString = nullptr);
