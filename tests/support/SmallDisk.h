// A real small disk for failure tests: a tmpfs of a few megabytes, mounted when the tests run as root on
// Linux; a test skips when it cannot be had.
#pragma once

#include <QString>
#include <QTemporaryDir>

namespace testsupport {

class SmallDisk {
public:
    explicit SmallDisk(int megabytes = 2);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    QString folder() const { return dir_.path(); }
    QString path(const QString& name) const { return dir_.filePath(name); }
    // Fills every free byte with a file of its own, so the next write fails for want of space.
    bool fill() const;
    // Mounts the disk again read-only: nothing more can be written there, not even by root.
    bool makeReadOnly() const;
    // Mounts the disk again with room for no more files and folders than it holds: the files there can still
    // be written, but no new one can be made, not even by root. allowNewFiles() gives room again.
    bool refuseNewFiles() const;
    bool allowNewFiles() const;

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

} // namespace testsupport

// Skips the test when no small disk can be mounted here.
#define SKIP_UNLESS_MOUNTED(disk)                                                                            \
    do {                                                                                                     \
        if (!(disk).mounted())                                                                               \
            QSKIP("a real small disk needs root on Linux");                                                  \
    } while (false)
