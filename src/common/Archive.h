// Archives: files of fixed-size records of fixed-width text fields, beside the program.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <array>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <span>

namespace common {

// One field: its name and its declared width in bytes (1 to 255); it takes width + 1 bytes.
struct FieldSpec {
    const char* name;
    int width;
};

// The size of a record of these fields, for checking a layout table at compile time; 0 when a width is
// outside 1 to 255.
template <std::size_t N> constexpr int recordSize(const std::array<FieldSpec, N>& fields) {
    int size = 0;
    for (const FieldSpec& f : fields) {
        if (f.width < 1 || f.width > 255)
            return 0;
        size += f.width + 1;
    }
    return size;
}

// The fields of a record type, in record order, with their offsets. A width outside 1 to 255 is a
// programming error and stops the program.
class RecordLayout {
public:
    RecordLayout(std::initializer_list<FieldSpec> fields);
    explicit RecordLayout(std::span<const FieldSpec> fields);
    int size() const { return size_; }
    int count() const { return int(fields_.size()); }
    int width(int field) const { return fields_[field].width; }
    int offset(int field) const { return offsets_[field]; }
    const char* name(int field) const { return fields_[field].name; }
    // -1 when no field has that name.
    int indexOf(const QString& name) const;

private:
    QList<FieldSpec> fields_;
    QList<int> offsets_;
    int size_ = 0;
};

// A text as its field stores it: trimmed, in Windows-1252, cut to width bytes, zeros after.
QByteArray encodeField(const QString& text, int width);
// The text of a stored field, trimmed; a length byte past the width reads as the width.
QString decodeField(const char* field, int width);
// The stored characters that decodeField decodes.
QByteArrayView storedField(const char* field, int width);

// The buffer of one record. A record handed to a forEach visitor may refer to the archive's block while
// it is visited; every copy of a record owns its bytes, so a record kept by copying stays valid.
class Record {
public:
    explicit Record(const RecordLayout& layout);
    Record(const RecordLayout& layout, QByteArray bytes);
    Record(const Record& other);
    Record& operator=(const Record& other);
    Record(Record&& other);
    Record& operator=(Record&& other);
    ~Record() = default;

    QString get(int field) const;
    // The stored characters of get(field), not decoded; valid while the record is.
    QByteArrayView stored(int field) const;
    void set(int field, const QString& text);
    // A copy that owns its bytes.
    QByteArray bytes() const;
    const RecordLayout& layout() const { return *layout_; }

private:
    friend class ArchiveFile;
    struct InBlock {};
    // Refers to size bytes at data, which must outlive the record.
    Record(InBlock, const RecordLayout& layout, const char* data);

    const RecordLayout* layout_;
    QByteArray bytes_;
    bool inBlock_ = false;
};

// An archive opened for reading and writing, created empty when missing; never truncated by opening.
// Every failure throws common::Failure. Record numbers are 1-based.
class ArchiveFile {
public:
    ArchiveFile(const QString& fileName, const RecordLayout& layout); // a file in the program folder
    static ArchiveFile atPath(const QString& path, const RecordLayout& layout);

    // Whole records; a partial tail is not counted.
    qint64 count() const;
    Record read(qint64 number);
    // Calls visit for every record in file order, reading the file in large blocks.
    void forEach(const std::function<void(qint64 number, const Record&)>& visit);
    // Refuses a number outside 1..count, so a shrunken file never gets a gap.
    void overwrite(qint64 number, const Record& record);
    // Writes after the last whole record; returns the new record's number. When the write fails the file
    // is cut back to its old length before the failure is thrown, so no partial record stays.
    qint64 append(const Record& record);
    // Puts what was written on the disk (and, for a file this object created, its folder entry). When
    // that fails, records appended since the last flush are cut off again.
    void flush();
    // Closes the file; later operations throw. The destructor closes it too.
    void close();

    const RecordLayout& layout() const { return *layout_; }
    QString path() const { return path_; }

private:
    struct AtPath {};
    ArchiveFile(AtPath, const QString& path, const RecordLayout& layout);
    void writeAt(qint64 number, const Record& record);
    void cutBack(qint64 end, const QByteArray& tail);

    const RecordLayout* layout_;
    QString path_;
    QFile file_;
    bool created_ = false;
    // Where the first append not yet flushed began, and the partial record it wrote over.
    qint64 unflushedFrom_ = -1;
    QByteArray unflushedTail_;
};

} // namespace common
