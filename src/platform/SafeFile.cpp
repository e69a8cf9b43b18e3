#include "platform/SafeFile.h"

#include "platform/Files.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Pieces smaller than this are gathered before they go to the disk; each flush is checked in full.
constexpr qsizetype kBufferSize = 64 * 1024;
constexpr int kTemporaryTries = 100;
// Between a target's name and the random part of its temporary's name.
constexpr QLatin1String kTemporaryMark(".~veicolario-temp-");
constexpr qsizetype kRandomDigits = 12;
// The earlier forms: "<name>." or "<name>.~", then six letters and digits.
constexpr qsizetype kEarlierSuffix = 6;

QString randomPart() {
    const quint64 bits = QRandomGenerator::global()->generate64() & ((quint64(1) << (4 * kRandomDigits)) - 1);
    return QString::number(bits, 16).rightJustified(kRandomDigits, QLatin1Char('0'));
}

bool isRandomPart(QStringView part) {
    if (part.size() != kRandomDigits)
        return false;
    for (const QChar c : part)
        if (!(c >= u'0' && c <= u'9') && !(c >= u'a' && c <= u'f'))
            return false;
    return true;
}

// Six letters and digits of at least two kinds, as the earlier temporaries' names end: a user's copy named
// with a word or a date ("unins000.dll.backup", ".Backup", ".202612") is not taken for one.
bool isEarlierSuffix(QStringView suffix) {
    if (suffix.size() != kEarlierSuffix)
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

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Takes the writer's lock on a temporary just created as fd. False when the name no longer leads to it: a
// clean-up took it between its creation and the lock.
bool lockNewTemporary(int fd, const QByteArray& name) {
    // A file system without locks still takes the write; a clean-up there cannot lock, so removes nothing.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        return false;
    struct stat opened {};
    struct stat named {};
    return ::fstat(fd, &opened) == 0 && ::lstat(name.constData(), &named) == 0 && sameFile(opened, named);
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
    int error = 0;
    for (int i = 0; i < kTemporaryTries && fd_ < 0; ++i) {
        temporary_ = target_ + kTemporaryMark + randomPart();
        const QByteArray temporary = QFile::encodeName(temporary_);
        const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            error = errno;
            if (error != EEXIST)
                break;
        } else if (lockNewTemporary(fd, temporary)) {
            fd_ = fd;
        } else {
            ::close(fd); // the clean-up that took it removes it
            error = EWOULDBLOCK;
        }
    }
    if (fd_ < 0) {
        temporary_.clear();
        return fail(QStringLiteral("cannot create a temporary file"), error);
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
    // The writing descriptor is closed (and its close checked) before the rename; a second one on the same
    // open file keeps the lock until the temporary has its final name.
    const int held = ok ? ::fcntl(fd_, F_DUPFD_CLOEXEC, 0) : -1;
    if (ok && held < 0)
        ok = fail(QStringLiteral("cannot keep the temporary file locked"), errno);
    const int fd = fd_;
    fd_ = held;
    if (::close(fd) != 0 && ok)
        ok = fail(QStringLiteral("cannot close"), errno);
    if (ok &&
        ::rename(QFile::encodeName(temporary_).constData(), QFile::encodeName(target_).constData()) != 0)
        ok = fail(QStringLiteral("cannot replace the file"), errno);
    if (!ok) {
        cancel();
        return false;
    }
    ::close(fd_);
    fd_ = -1;
    temporary_.clear();
    buffer_.clear();
    syncFolder(QFileInfo(target_).absolutePath());
    return true;
}

void SafeFile::cancel() {
    // Removed while still locked, so that no clean-up meets it half-way.
    if (!temporary_.isEmpty()) {
        ::unlink(QFile::encodeName(temporary_).constData());
        temporary_.clear();
    }
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    buffer_.clear();
}

bool writeWholeFile(const QString& path, QByteArrayView bytes) {
    SafeFile file(path);
    return file.open() && file.write(bytes) && file.commit();
}

namespace {

// Whether name is a temporary of a target in patterns (the safe write's form) or in earlier (the earlier
// form).
bool isStaleTemporaryName(const QString& name, const QList<QRegularExpression>& patterns,
                          const QList<QRegularExpression>& earlier) {
    const auto named = [](const QList<QRegularExpression>& targets, QStringView target) {
        // A temporary is named after a file: something stands before its mark.
        if (target.isEmpty())
            return false;
        for (const QRegularExpression& pattern : targets)
            if (pattern.match(target).hasMatch())
                return true;
        return false;
    };
    const qsizetype tail = kTemporaryMark.size() + kRandomDigits;
    if (name.size() > tail && QStringView(name).chopped(kRandomDigits).endsWith(kTemporaryMark) &&
        isRandomPart(QStringView(name).right(kRandomDigits)))
        return named(patterns, QStringView(name).chopped(tail));
    if (!isEarlierSuffix(QStringView(name).right(kEarlierSuffix)))
        return false;
    const QStringView head = QStringView(name).chopped(kEarlierSuffix);
    const QStringView target = head.endsWith(u".~")  ? head.chopped(2)
                               : head.endsWith(u'.') ? head.chopped(1)
                                                     : QStringView();
    return named(earlier, target);
}

// Removes name in the folder open as dirFd when it is a regular file, not a link, that no safe write holds
// locked. The lock is held while the name is removed, and only the very file locked is removed.
void removeUnlessInUse(int dirFd, const char* name) {
    struct stat seen {};
    if (::fstatat(dirFd, name, &seen, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(seen.st_mode))
        return;
    const int fd = ::openat(dirFd, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat opened {};
    struct stat named {};
    if (::fstat(fd, &opened) == 0 && sameFile(opened, seen) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        ::fstatat(dirFd, name, &named, AT_SYMLINK_NOFOLLOW) == 0 && sameFile(named, opened))
        ::unlinkat(dirFd, name, 0);
    ::close(fd);
}

QList<QRegularExpression> wildcards(const QStringList& patterns) {
    QList<QRegularExpression> expressions;
    for (const QString& pattern : patterns)
        expressions << QRegularExpression::fromWildcard(pattern, Qt::CaseSensitive);
    return expressions;
}

} // namespace

void removeStaleTemporaries(const QString& programFolder, const QList<SafeWriteTargets>& targets) {
    const int root = ::open(QFile::encodeName(programFolder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (root < 0)
        return;
    for (const SafeWriteTargets& target : targets) {
        // Only the program folder and its own subfolders, never through a link.
        const bool own = target.subfolder.isEmpty() ||
                         (!target.subfolder.contains(QLatin1Char('/')) &&
                          target.subfolder != QLatin1String(".") && target.subfolder != QLatin1String(".."));
        if (!own)
            continue;
        // A descriptor of its own for each listing: descriptors duplicated share where the listing stands.
        const int folder =
            ::openat(root, target.subfolder.isEmpty() ? "." : QFile::encodeName(target.subfolder).constData(),
                     O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        DIR* dir = folder >= 0 ? ::fdopendir(folder) : nullptr;
        if (!dir) {
            if (folder >= 0)
                ::close(folder);
            continue;
        }
        const QList<QRegularExpression> names = wildcards(target.names);
        const QList<QRegularExpression> earlier = wildcards(target.earlierNames);
        QList<QByteArray> stale;
        while (const dirent* entry = ::readdir(dir)) {
            const QByteArray name(entry->d_name);
            if (isStaleTemporaryName(QFile::decodeName(name), names, earlier))
                stale << name;
        }
        for (const QByteArray& name : stale)
            removeUnlessInUse(::dirfd(dir), name.constData());
        ::closedir(dir);
    }
    ::close(root);
}

} // namespace platform
