// The program's own files: opened only when they are regular files, read within a bound, written in full.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace platform {

// Opens file on path for reading (ReadOnly) or for reading and writing (ReadWrite, which creates a missing
// file) only when path names a regular file or a link to one. A pipe, a device or a folder fails at once,
// without waiting on it; a link that leads nowhere fails instead of creating a file where it points. The
// file is unbuffered, so a failed write shows at the write. error, when given, receives the reason.
bool openRegularFile(QFile& file, const QString& path, QIODevice::OpenMode mode, QString* error = nullptr);

struct WholeFile {
    enum Status { Read, Missing, Failed };
    Status status = Failed;
    QByteArray bytes;
};

// The whole content of the regular file at path, refused (Failed) when it holds more than maxBytes; Missing
// when nothing at all has that name.
WholeFile readWholeFile(const QString& path, qint64 maxBytes);

// Copies source (a regular file) to destination through a safe write: destination is replaced only once
// the copy is complete and on the disk (also when both name the same file). False when it cannot,
// destination then as it was.
bool copyFileReplacing(const QString& source, const QString& destination);
// Replaces the file at path through a safe write with head followed by what the old file holds past head's
// length (nothing more when it is shorter or missing). False when it cannot, the file then as it was.
bool replaceFileStart(const QString& path, QByteArrayView head);

// Writes size bytes at offset of the open descriptor fd, every byte confirmed; false (with errno set) when
// any could not be written. Obeys FullDiskForTests.
bool writeFullyAt(int fd, qint64 offset, const char* data, qint64 size);
// The same at the descriptor's current position.
bool writeFully(int fd, const char* data, qint64 size);

// Reads up to size bytes at offset of the open descriptor fd; returns how many came before the end of the
// file or a failure (errno set when a failure stopped it). Obeys FailingReadsForTests.
qint64 readFullyAt(int fd, qint64 offset, char* data, qint64 size);

// Tests only: while one lives, the program's writes find a disk with freeBytes left; a write past them
// stores what fits and fails with "no space left on device". whenFull, when given, runs at that moment: a
// test that ends its process there sees what a kill in the middle of the write leaves.
class FullDiskForTests {
public:
    explicit FullDiskForTests(qint64 freeBytes, void (*whenFull)() = nullptr);
    ~FullDiskForTests();
    FullDiskForTests(const FullDiskForTests&) = delete;
    FullDiskForTests& operator=(const FullDiskForTests&) = delete;
};

// Tests only: while one lives, readFullyAt delivers readableBytes in all and then fails as a damaged disk
// does, with an input/output error.
class FailingReadsForTests {
public:
    explicit FailingReadsForTests(qint64 readableBytes);
    ~FailingReadsForTests();
    FailingReadsForTests(const FailingReadsForTests&) = delete;
    FailingReadsForTests& operator=(const FailingReadsForTests&) = delete;
};

} // namespace platform
