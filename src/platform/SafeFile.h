// The one way the program replaces a whole file.
//
// The new content goes to a temporary file beside the target ("<name>.~XXXXXX"); every byte is confirmed
// written, the data is synced to the disk, and only then is the temporary renamed over the target. Any
// failure removes the temporary and leaves the old file exactly as it was. Qt's QSaveFile is not used:
// it can report success after a buffered write failed and rename a short file over the old one.
//
//     platform::SafeFile out(path);        // a link to a regular file replaces what it leads to
//     if (!out.open()) fail(out.errorString());
//     for (...) if (!out.write(piece)) fail(...);   // false from the first byte that did not reach the file
//     if (!out.commit()) fail(...);        // flushed, synced, renamed; false leaves the old file
//     // destroyed without commit(): the temporary is removed, the old file untouched
//
//     if (!platform::writeWholeFile(path, bytes)) fail(...);   // the same in one call
//
// A target that exists and is not a regular file (a folder, a pipe, a device, a link to one of these or a
// link that leads nowhere) is refused at open(). Tests simulate a full disk with platform::FullDiskForTests
// (platform/Files.h), which every safe write and every archive write obeys.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
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
    QString target_; // path_, or where the link at path_ leads
    QString temporary_;
    QString error_;
    QByteArray buffer_;
    int fd_ = -1;
    bool failed_ = false;
};

// Replaces the file at path with bytes through a SafeFile.
bool writeWholeFile(const QString& path, QByteArrayView bytes);

// Removes what a safe write of one of these files left when the program was stopped in the middle:
// the regular files named "<name>.~XXXXXX" in folder, where name matches one of the patterns ("*.ini", case
// counts) and XXXXXX mixes at least two of lower-case letters, upper-case letters and digits (a word, a
// capitalised word or a date is taken for a user's copy and kept). Links and folders are never removed.
void removeStaleTemporaries(const QString& folder, const QStringList& namePatterns);

} // namespace platform
