#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What the fuzz targets share: each target is a LLVMFuzzerTestOneInput that
// hands one input to a reader through its public entry. libFuzzer calls it in
// the clang build (make fuzz); replaymain.cpp calls it over the corpus and
// the findings in every build, as a CTest.

// A program folder for the readers: a fresh temporary folder, made on first
// use and kept for the process, that GetTargetPath() answers. It lies in
// shared memory where there is some, so that an input written as a file
// costs no disk access.
QString fuzzProgramFolder();

// Path of `name` (which may name a subfolder) in that folder.
QString fuzzFile(const QString &name);

// Writes `bytes` to `name` in the program folder, making the folders on the
// way; the input of a run replaces what an earlier run left there.
void writeFuzzFile(const QString &name, const QByteArray &bytes);

// Removes `name` (a file or a whole folder) from the program folder.
void removeFuzzFile(const QString &name);

// The input as bytes; QByteArray copies, so the reader cannot see past the end.
inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A property every input must keep; breaking one ends the run as a crash
// does, so that libFuzzer keeps the input and the replay fails on it.
[[noreturn]] void fuzzPropertyBroken(const char *what, const char *file, int line);
#define FUZZ_EXPECT(condition)                                                      \
    do {                                                                            \
        if (!(condition))                                                           \
            fuzzPropertyBroken(#condition, __FILE__, __LINE__);                     \
    } while (false)
