#include "platform/SafeFile.h"

#include "platform/Files.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Pieces smaller than this are gathered before they go to the disk; each flush is checked in full.
constexpr qsizetype kBufferSize = 64 * 1024;
constexpr int kTemporaryTries = 100;
// Between a target's name and the random part of its temporary's: a user's own copy of a file
// ("x.pdf.copia1") does not carry it, so the clean-up at start never takes such a copy for a temporary.
constexpr QLatin1String kTemporaryMark(".~");

// Six letters and digits of at least two kinds, as a temporary's name ends: a user's copy named with a word
// or a date ("unins000.dll.backup", ".Backup", ".202612") is not taken for one.
bool isTemporarySuffix(QStringView suffix) {
    if (suffix.size() != 6)
        return false;
    bool lower = false, upper = false, digit = false;
    int capitals = 0;
    for (const QChar c : suffix) {
        if (c >= u'a' && c <= u'z') {
            lower = true;
        } else if (c >= u'A' && c <= u'Z') {
            upper = true;
            ++capitals;
        } else if (c >= u'0' && c <= u'9') {
            digit = true;
        } else {
            return false;
        }
    }
    const bool capitalisedWord = capitals == 1 && !digit && suffix.front().isUpper();
    return int(lower) + int(upper) + int(digit) >= 2 && !capitalisedWord;
}

QString randomSuffix() {
    static constexpr char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString s(6, QLatin1Char('0'));
    do {
        for (QChar& c : s)
            c = QLatin1Char(kChars[QRandomGenerator::global()->bounded(int(sizeof(kChars) - 1))]);
    } while (!isTemporarySuffix(s));
    return s;
}

void syncFolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        // The new file's data is already on the disk; this only hastens its name.
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

SafeFile::SafeFile(const QString& path)
    : path_(path) {}

SafeFile::~SafeFile() {
    cancel();
}

bool SafeFile::fail(const QString& what, int error) {
    failed_ = true;
    error_ = path_ + QStringLiteral(": ") + what;
    if (error)
        error_ += QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error));
    return false;
}

bool SafeFile::open() {
    cancel();
    failed_ = false;
    error_.clear();
    const QByteArray name = QFile::encodeName(path_);
    target_ = path_;
    mode_t mode = 0;
    struct stat link {};
    if (::lstat(name.constData(), &link) == 0) {
        struct stat info {};
        if (::stat(name.constData(), &info) != 0)
            return fail(QStringLiteral("a link that leads nowhere"), 0);
        if (!S_ISREG(info.st_mode))
            return fail(QStringLiteral("not a regular file"), 0);
        // The file replaced is the one the link leads to; the link stays.
        if (S_ISLNK(link.st_mode))
            target_ = QFileInfo(path_).canonicalFilePath();
        mode = info.st_mode & 07777;
    } else if (errno != ENOENT) {
        return fail(QStringLiteral("cannot look at the file"), errno);
    }
    for (int i = 0; i < kTemporaryTries && fd_ < 0; ++i) {
        temporary_ = target_ + kTemporaryMark + randomSuffix();
        fd_ =
            ::open(QFile::encodeName(temporary_).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST)
            break;
    }
    if (fd_ < 0) {
        const int e = errno;
        temporary_.clear();
        return fail(QStringLiteral("cannot create a temporary file"), e);
    }
    // The new file keeps the permissions of the one it replaces.
    if (mode != 0 && ::fchmod(fd_, mode) != 0)
        return fail(QStringLiteral("cannot set the permissions"), errno);
    buffer_.reserve(kBufferSize);
    return true;
}

bool SafeFile::flushBuffer() {
    if (buffer_.isEmpty())
        return true;
    if (!writeFully(fd_, buffer_.constData(), buffer_.size()))
        return fail(QStringLiteral("cannot write"), errno);
    buffer_.clear();
    return true;
}

bool SafeFile::write(QByteArrayView bytes) {
    if (failed_)
        return false;
    if (fd_ < 0)
        return fail(QStringLiteral("not open"), 0);
    if (buffer_.size() + bytes.size() <= kBufferSize) {
        buffer_.append(bytes);
        return true;
    }
    if (!flushBuffer())
        return false;
    if (bytes.size() < kBufferSize) {
        buffer_.append(bytes);
        return true;
    }
    if (!writeFully(fd_, bytes.data(), bytes.size()))
        return fail(QStringLiteral("cannot write"), errno);
    return true;
}

bool SafeFile::commit() {
    if (failed_ || fd_ < 0) {
        if (!failed_)
            fail(QStringLiteral("not open"), 0);
        cancel();
        return false;
    }
    bool ok = flushBuffer();
    if (ok && ::fsync(fd_) != 0)
        ok = fail(QStringLiteral("cannot sync"), errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && ok)
        ok = fail(QStringLiteral("cannot close"), errno);
    if (ok &&
        ::rename(QFile::encodeName(temporary_).constData(), QFile::encodeName(target_).constData()) != 0)
        ok = fail(QStringLiteral("cannot replace the file"), errno);
    if (!ok) {
        cancel();
        return false;
    }
    temporary_.clear();
    buffer_.clear();
    syncFolder(QFileInfo(target_).absolutePath());
    return true;
}

void SafeFile::cancel() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temporary_.isEmpty()) {
        ::unlink(QFile::encodeName(temporary_).constData());
        temporary_.clear();
    }
    buffer_.clear();
}

bool writeWholeFile(const QString& path, QByteArrayView bytes) {
    SafeFile file(path);
    return file.open() && file.write(bytes) && file.commit();
}

void removeStaleTemporaries(const QString& folder, const QStringList& namePatterns) {
    QStringList filters;
    for (const QString& pattern : namePatterns)
        filters << pattern + kTemporaryMark + QStringLiteral("??????");
    const QDir dir(folder);
    const QDir::Filters kinds = QDir::Files | QDir::Hidden | QDir::System | QDir::CaseSensitive;
    for (const QString& name : dir.entryList(filters, kinds)) {
        // A temporary is named after a file: something stands before its mark.
        if (name.size() <= kTemporaryMark.size() + 6 || !isTemporarySuffix(QStringView(name).right(6)))
            continue;
        // Only a regular file of our own; a link is not followed.
        struct stat link {};
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        if (::lstat(path.constData(), &link) == 0 && S_ISREG(link.st_mode))
            ::unlink(path.constData());
    }
}

} // namespace platform
