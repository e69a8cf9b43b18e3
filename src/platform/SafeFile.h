// The one way the program replaces a whole file.
//
// The new content goes to a temporary file beside the target; every byte is confirmed written, the data is
// synced to the disk, and only then is the temporary renamed over the target. Any failure removes the
// temporary and leaves the old file exactly as it was. Qt's QSaveFile is not used: it can report success
// after a buffered write failed and rename a short file over the old one.
//
//     platform::SafeFile out(path);        // a link to a regular file replaces what it leads to
//     if (!out.open()) fail(out.errorString());
//     for (...) if (!out.write(piece)) fail(...);   // false from the first byte that did not reach the file
//     if (!out.commit()) fail(...);        // flushed, synced, renamed; false leaves the old file
//     // destroyed without commit(): the temporary is removed, the old file untouched
//
//     if (!platform::writeWholeFile(path, bytes)) fail(...);   // the same in one call
//
// The temporary is named "<name>.~veicolario-temp-<12 lower-case hexadecimal digits>", a name nobody gives a
// file, so that the clean-up at start can tell it from a user's own files. From its creation until it is
// renamed or removed, the writer holds an exclusive flock() on it: a clean-up run by another copy of the
// program leaves it alone.
//
// A target that exists and is not a regular file (a folder, a pipe, a device, a link to one of these or a
// link that leads nowhere) is refused at open(). Tests simulate a full disk with platform::FullDiskForTests
// (platform/Files.h), which every safe write and every archive write obeys.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

namespace platform {

class SafeFile {
public:
    explicit SafeFile(const QString& path);
    ~SafeFile(); // removes the temporary unless commit() succeeded
    SafeFile(const SafeFile&) = delete;
    SafeFile& operator=(const SafeFile&) = delete;

    bool open();
    // Appends bytes; false once any byte could not be written (then every later write and commit fail).
    bool write(QByteArrayView bytes);
    // Writes what is still held, syncs, closes and renames over the target.
    bool commit();
    // Drops the temporary; the target stays as it was.
    void cancel();
    QString errorString() const { return error_; }

private:
    bool flushBuffer();
    bool fail(const QString& what, int error);

    QString path_;
    QString target_;    // path_, or where the link at path_ leads
    QString temporary_; // locked (flock) for as long as it exists
    QString error_;
    QByteArray buffer_;
    int fd_ = -1;
    bool failed_ = false;
};

// Replaces the file at path with bytes through a SafeFile.
bool writeWholeFile(const QString& path, QByteArrayView bytes);

// The files that the program replaces whole in one folder of its own.
struct SafeWriteTargets {
    QString subfolder; // a subfolder of the program folder ("Veicolario"), or empty for the folder itself
    QStringList names; // exact names or wildcard patterns ("Scheda_Veicolo_*.jpg"), case counts
    // Files once written through temporaries named "<name>.XXXXXX" or "<name>.~XXXXXX" (six letters and
    // digits): those temporaries go too.
    QStringList earlierNames;
};

// Removes what safe writes of the targets left when the program was stopped in the middle: in each
// target's folder, the regular files named "<name>.~veicolario-temp-<12 hexadecimal digits>" where name
// matches one of its names, and "<name>.XXXXXX" or "<name>.~XXXXXX" where name matches one of its earlier
// names and XXXXXX mixes at least two of lower-case letters, upper-case letters and digits (a word, a
// capitalised word or a date is a user's copy). Links are never followed: a subfolder that is a link is not
// entered, a temporary that is a link is not removed. A temporary that a running safe write still holds
// locked is left alone.
void removeStaleTemporaries(const QString& programFolder, const QList<SafeWriteTargets>& targets);

} // namespace platform
