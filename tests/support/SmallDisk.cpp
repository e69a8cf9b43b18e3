#include "SmallDisk.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace testsupport {

namespace {

// Mounts the tmpfs at folder again with room for the files and folders it holds, and for 1024 more when
// more is set.
bool remountWithFiles(const QString& folder, bool more) {
    const QByteArray path = QFile::encodeName(folder);
    struct statvfs info {};
    if (::statvfs(path.constData(), &info) != 0)
        return false;
    const quint64 files = quint64(info.f_files - info.f_ffree) + (more ? 1024 : 0);
    const QByteArray options = "nr_inodes=" + QByteArray::number(files);
    return ::mount("tmpfs", path.constData(), "tmpfs", MS_REMOUNT, options.constData()) == 0;
}

} // namespace

SmallDisk::SmallDisk(int megabytes) {
    if (!dir_.isValid() || ::geteuid() != 0)
        return;
    const QByteArray options = "size=" + QByteArray::number(megabytes) + "m";
    mounted_ =
        ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0, options.constData()) == 0;
}

SmallDisk::~SmallDisk() {
    if (mounted_)
        ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
}

bool SmallDisk::makeReadOnly() const {
    return mounted_ && ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs",
                               MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

bool SmallDisk::refuseNewFiles() const {
    return mounted_ && remountWithFiles(dir_.path(), false);
}

bool SmallDisk::allowNewFiles() const {
    return mounted_ && remountWithFiles(dir_.path(), true);
}

bool SmallDisk::fill() const {
    const int fd = ::open(QFile::encodeName(path(QStringLiteral("riempitivo"))).constData(),
                          O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const QByteArray block(4096, 'x');
    bool full = false;
    for (;;) {
        const ssize_t n = ::write(fd, block.constData(), size_t(block.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            full = errno == ENOSPC;
            break;
        }
    }
    // The last partial block: a single byte at a time until nothing fits.
    while (full && ::write(fd, "x", 1) == 1) {
    }
    ::close(fd);
    return full;
}

} // namespace testsupport
