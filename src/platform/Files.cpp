#include "platform/Files.h"

#include "platform/SafeFile.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Free bytes of the simulated disk; negative when no disk is simulated.
qint64 simulatedFree = -1;
void (*simulatedWhenFull)() = nullptr;
// Bytes the simulated damaged disk still reads; negative when none is simulated.
qint64 simulatedReadable = -1;

QString reason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// How many of size bytes the simulated disk takes; sets errno when not all.
qint64 allowed(qint64 size) {
    if (simulatedFree < 0)
        return size;
    return std::min(size, simulatedFree);
}

template <class Write> bool writeLoop(const char* data, qint64 size, Write&& writeSome) {
    qint64 room = allowed(size);
    while (room > 0) {
        const ssize_t n = writeSome(data, size_t(std::min<qint64>(room, 1 << 30)));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = EIO;
            return false;
        }
        if (simulatedFree >= 0)
            simulatedFree -= n;
        data += n;
        size -= n;
        room -= n;
    }
    if (size > 0) {
        if (simulatedWhenFull)
            simulatedWhenFull();
        errno = ENOSPC;
        return false;
    }
    return true;
}

// Copies the rest of in, from where it stands, into out.
bool copyRest(QFile& in, SafeFile& out) {
    constexpr qint64 kChunk = 1 << 20;
    QByteArray chunk(std::min(kChunk, std::max<qint64>(in.size() - in.pos(), 0) + 1), Qt::Uninitialized);
    for (;;) {
        const qint64 n = in.read(chunk.data(), chunk.size());
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (!out.write(QByteArrayView(chunk.constData(), n)))
            return false;
    }
}

} // namespace

bool writeFully(int fd, const char* data, qint64 size) {
    return writeLoop(data, size, [fd](const char* p, size_t n) { return ::write(fd, p, n); });
}

bool writeFullyAt(int fd, qint64 offset, const char* data, qint64 size) {
    const char* start = data;
    return writeLoop(data, size, [fd, offset, start](const char* p, size_t n) {
        return ::pwrite(fd, p, n, off_t(offset + (p - start)));
    });
}

qint64 readFullyAt(int fd, qint64 offset, char* data, qint64 size) {
    qint64 got = 0;
    while (got < size) {
        qint64 wanted = std::min<qint64>(size - got, 1 << 30);
        if (simulatedReadable >= 0) {
            wanted = std::min(wanted, simulatedReadable);
            if (wanted == 0) {
                errno = EIO;
                return got;
            }
        }
        const ssize_t n = ::pread(fd, data + got, size_t(wanted), off_t(offset + got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return got;
        }
        if (n == 0) {
            errno = 0;
            return got;
        }
        if (simulatedReadable >= 0)
            simulatedReadable -= n;
        got += n;
    }
    return got;
}

FailingReadsForTests::FailingReadsForTests(qint64 readableBytes) {
    simulatedReadable = std::max<qint64>(readableBytes, 0);
}

FailingReadsForTests::~FailingReadsForTests() {
    simulatedReadable = -1;
}

FullDiskForTests::FullDiskForTests(qint64 freeBytes, void (*whenFull)()) {
    simulatedFree = std::max<qint64>(freeBytes, 0);
    simulatedWhenFull = whenFull;
}

FullDiskForTests::~FullDiskForTests() {
    simulatedFree = -1;
    simulatedWhenFull = nullptr;
}

bool openRegularFile(QFile& file, const QString& path, QIODevice::OpenMode mode, QString* error) {
    const auto failWith = [&](const QString& why) {
        if (error)
            *error = path + QStringLiteral(": ") + why;
        return false;
    };
    const QByteArray name = QFile::encodeName(path);
    const bool write = mode & QIODevice::WriteOnly;
    int fd = -1;
    struct stat link {};
    if (write && ::lstat(name.constData(), &link) != 0 && errno == ENOENT) {
        // Nothing has this name, not even a link: create the file here, never through a link.
        fd = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    } else {
        // O_NONBLOCK: opening a pipe must not wait for a writer.
        fd = ::open(name.constData(), (write ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC);
    }
    if (fd < 0)
        return failWith(reason(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return failWith(QStringLiteral("not a regular file"));
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        const int e = errno;
        ::close(fd);
        return failWith(reason(e));
    }
    if (!file.open(fd, (write ? QIODevice::ReadWrite : QIODevice::ReadOnly) | QIODevice::Unbuffered,
                   QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return failWith(file.errorString());
    }
    return true;
}

WholeFile readWholeFile(const QString& path, qint64 maxBytes) {
    WholeFile result;
    struct stat link {};
    if (::lstat(QFile::encodeName(path).constData(), &link) != 0 && errno == ENOENT) {
        result.status = WholeFile::Missing;
        return result;
    }
    QFile file;
    if (!openRegularFile(file, path, QIODevice::ReadOnly) || file.size() > maxBytes)
        return result;
    // Room for what the file holds now, and one byte to see it grow past the bound while it is read.
    const qint64 room = file.size() + 1;
    QByteArray bytes(room, Qt::Uninitialized);
    qint64 got = 0;
    while (got < room) {
        const qint64 n = file.read(bytes.data() + got, room - got);
        if (n < 0)
            return result;
        if (n == 0)
            break;
        got += n;
    }
    if (got > maxBytes)
        return result;
    bytes.truncate(got);
    result.status = WholeFile::Read;
    result.bytes = std::move(bytes);
    return result;
}

bool copyFileReplacing(const QString& source, const QString& destination) {
    QFile in;
    if (!openRegularFile(in, source, QIODevice::ReadOnly))
        return false;
    SafeFile out(destination);
    return out.open() && copyRest(in, out) && out.commit();
}

bool replaceFileStart(const QString& path, QByteArrayView head) {
    QFile old;
    struct stat link {};
    const bool missing = ::lstat(QFile::encodeName(path).constData(), &link) != 0 && errno == ENOENT;
    // A regular file no longer than the head has no bytes to keep, and is not read at all.
    const bool keepsNothing = !missing && S_ISREG(link.st_mode) && link.st_size <= head.size();
    if (!missing && !keepsNothing && !openRegularFile(old, path, QIODevice::ReadOnly))
        return false;
    SafeFile out(path);
    if (!out.open() || !out.write(head))
        return false;
    if (old.isOpen() && old.size() > head.size() && (!old.seek(head.size()) || !copyRest(old, out)))
        return false;
    // Closed before the rename, so that the old file's space is given back within the same sync.
    old.close();
    return out.commit();
}

} // namespace platform
