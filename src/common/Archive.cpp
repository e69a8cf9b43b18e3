#include "common/Archive.h"

#include "common/Failure.h"
#include "common/Text.h"
#include "platform/Ansi.h"
#include "platform/Files.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace common {

RecordLayout::RecordLayout(std::initializer_list<FieldSpec> fields)
    : RecordLayout(std::span<const FieldSpec>(fields.begin(), fields.size())) {}

RecordLayout::RecordLayout(std::span<const FieldSpec> fields)
    : fields_(fields.begin(), fields.end()) {
    for (const FieldSpec& f : fields_) {
        // A bad width would make every record of the archive unreadable: stop at once, in every build.
        if (f.width < 1 || f.width > 255)
            qFatal("field %s: width %d outside 1 to 255", f.name, f.width);
        offsets_.append(size_);
        size_ += f.width + 1;
    }
    if (fields_.isEmpty())
        qFatal("a record layout without fields");
}

int RecordLayout::indexOf(const QString& name) const {
    for (int i = 0; i < count(); ++i)
        if (name == QLatin1String(fields_[i].name))
            return i;
    return -1;
}

namespace {
// The field written in place: its length byte, its text trimmed and cut to the width, zeros after it.
void encodeFieldAt(const QString& text, int width, char* field) {
    const qsizetype length = platform::toAnsi(TrimmedView(text), field + 1, width);
    field[0] = char(length);
    std::fill(field + 1 + length, field + 1 + width, '\0');
}
} // namespace

QByteArray encodeField(const QString& text, int width) {
    QByteArray out(width + 1, '\0');
    encodeFieldAt(text, width, out.data());
    return out;
}

// The stored characters without the codes up to 32 at either end. Windows-1252 maps exactly the bytes up
// to 32 to the characters up to 32, so this is the trim of the decoded text.
QByteArrayView storedField(const char* field, int width) {
    const int length = std::min(int(static_cast<unsigned char>(field[0])), width);
    const auto* b = reinterpret_cast<const unsigned char*>(field + 1);
    const unsigned char* e = b + length;
    while (b < e && *b <= 32)
        ++b;
    while (e > b && e[-1] <= 32)
        --e;
    return QByteArrayView(b, e - b);
}

QString decodeField(const char* field, int width) {
    const QByteArrayView text = storedField(field, width);
    return platform::fromAnsi(text.data(), text.size());
}

Record::Record(const RecordLayout& layout)
    : layout_(&layout)
    , bytes_(layout.size(), '\0') {}

Record::Record(const RecordLayout& layout, QByteArray bytes)
    : layout_(&layout)
    , bytes_(std::move(bytes)) {
    bytes_.resize(layout.size(), '\0');
}

Record::Record(InBlock, const RecordLayout& layout, const char* data)
    : layout_(&layout)
    , bytes_(QByteArray::fromRawData(data, layout.size()))
    , inBlock_(true) {}

Record::Record(const Record& other)
    : layout_(other.layout_)
    , bytes_(other.bytes_.constData(), other.bytes_.size()) {}

Record& Record::operator=(const Record& other) {
    if (this != &other) {
        layout_ = other.layout_;
        bytes_ = QByteArray(other.bytes_.constData(), other.bytes_.size());
        inBlock_ = false;
    }
    return *this;
}

Record::Record(Record&& other)
    : layout_(other.layout_)
    , bytes_(other.inBlock_ ? QByteArray(other.bytes_.constData(), other.bytes_.size())
                            : std::move(other.bytes_)) {}

Record& Record::operator=(Record&& other) {
    if (this != &other) {
        layout_ = other.layout_;
        bytes_ = other.inBlock_ ? QByteArray(other.bytes_.constData(), other.bytes_.size())
                                : std::move(other.bytes_);
        inBlock_ = false;
    }
    return *this;
}

QByteArray Record::bytes() const {
    return inBlock_ ? QByteArray(bytes_.constData(), bytes_.size()) : bytes_;
}

QString Record::get(int field) const {
    return decodeField(bytes_.constData() + layout_->offset(field), layout_->width(field));
}

QByteArrayView Record::stored(int field) const {
    return storedField(bytes_.constData() + layout_->offset(field), layout_->width(field));
}

void Record::set(int field, const QString& text) {
    encodeFieldAt(text, layout_->width(field), bytes_.data() + layout_->offset(field));
}

namespace {
[[noreturn]] void fail(const QString& path, const char* what, const QString& why) {
    throw Failure(std::string(what) + ": " + path.toStdString() + ": " + why.toStdString());
}
[[noreturn]] void fail(const QFile& file, const QString& path, const char* what) {
    fail(path, what, file.errorString());
}
[[noreturn]] void failErrno(const QString& path, const char* what) {
    fail(path, what, QString::fromLocal8Bit(std::strerror(errno)));
}
// A read that stopped short: a failure of the disk, or a file cut shorter while it was read.
[[noreturn]] void failRead(const QString& path) {
    if (errno == 0)
        fail(path, "cannot read", QStringLiteral("the file ended early"));
    failErrno(path, "cannot read");
}
} // namespace

ArchiveFile::ArchiveFile(const QString& fileName, const RecordLayout& layout)
    : ArchiveFile(AtPath{}, platform::programPath(fileName), layout) {}

ArchiveFile ArchiveFile::atPath(const QString& path, const RecordLayout& layout) {
    return ArchiveFile(AtPath{}, path, layout);
}

ArchiveFile::ArchiveFile(AtPath, const QString& path, const RecordLayout& layout)
    : layout_(&layout)
    , path_(path) {
    created_ = !QFileInfo(path).isSymLink() && !QFileInfo::exists(path);
    // Only a regular file is an archive: a folder, a device, a pipe or a link that leads nowhere under its
    // name is a failure, never a wait or a file created elsewhere. A missing file is created; an existing
    // one is never truncated, and a read-only or locked archive fails here instead of being replaced.
    QString why;
    if (!platform::openRegularFile(file_, path, QIODevice::ReadWrite, &why))
        fail(path, "cannot open the archive", why);
}

qint64 ArchiveFile::count() const {
    if (!file_.isOpen())
        throw Failure("archive closed");
    return file_.size() / layout_->size();
}

Record ArchiveFile::read(qint64 number) {
    if (number < 1 || number > count())
        throw Failure("record number outside the archive");
    QByteArray bytes(layout_->size(), Qt::Uninitialized);
    if (platform::readFullyAt(file_.handle(), (number - 1) * layout_->size(), bytes.data(), bytes.size()) !=
        bytes.size())
        failRead(path_);
    return Record(*layout_, std::move(bytes));
}

void ArchiveFile::forEach(const std::function<void(qint64, const Record&)>& visit) {
    const qint64 total = count();
    const int size = layout_->size();
    constexpr qint64 kBlockRecords = 256;
    // One buffer for every block; each record is visited in place, and a visitor that keeps one copies it.
    QByteArray block(std::min(kBlockRecords, total) * size, Qt::Uninitialized);
    for (qint64 first = 0; first < total; first += kBlockRecords) {
        const qint64 n = std::min(kBlockRecords, total - first);
        const qint64 got = platform::readFullyAt(file_.handle(), first * size, block.data(), n * size);
        // The whole records read before a failure are visited, as a record-by-record scan would have.
        const qint64 whole = std::max<qint64>(got, 0) / size;
        for (qint64 i = 0; i < whole; ++i)
            visit(first + i + 1, Record(Record::InBlock{}, *layout_, block.constData() + i * size));
        if (whole < n)
            failRead(path_);
    }
}

void ArchiveFile::writeAt(qint64 number, const Record& record) {
    // A record of another size would shift every record after it.
    if (record.bytes().size() != layout_->size())
        throw Failure("record of the wrong size for the archive");
    const QByteArray bytes = record.bytes();
    // Straight to the file, every byte confirmed: a failed write shows here, not at a later flush.
    if (!platform::writeFullyAt(file_.handle(), (number - 1) * layout_->size(), bytes.constData(),
                                bytes.size()))
        failErrno(path_, "cannot write");
}

void ArchiveFile::overwrite(qint64 number, const Record& record) {
    if (number < 1 || number > count())
        throw Failure("record number outside the archive");
    writeAt(number, record);
}

qint64 ArchiveFile::append(const Record& record) {
    const qint64 number = count() + 1;
    const qint64 end = (number - 1) * layout_->size();
    const qint64 before = file_.size();
    // A partial record after the last whole one is written over; kept to be put back on a failure.
    QByteArray tail;
    if (before > end) {
        if (!file_.seek(end))
            fail(file_, path_, "cannot seek");
        tail = file_.read(before - end);
        if (tail.size() != before - end)
            fail(file_, path_, "cannot read");
    }
    try {
        writeAt(number, record);
    } catch (const Failure&) {
        cutBack(end, tail);
        throw;
    }
    if (unflushedFrom_ < 0) {
        unflushedFrom_ = end;
        unflushedTail_ = tail;
    }
    return number;
}

void ArchiveFile::cutBack(qint64 end, const QByteArray& tail) {
    // The file as it was: a partial record left at the end would be read as part of the next record
    // appended after it. The tail goes back over bytes already on the disk, so it needs no new space.
    const int fd = file_.handle();
    if (::ftruncate(fd, off_t(end + tail.size())) == 0 && !tail.isEmpty()) {
        const ssize_t restored = ::pwrite(fd, tail.constData(), size_t(tail.size()), off_t(end));
        Q_UNUSED(restored); // nothing more can be done about it: the failure is being reported already
    }
    ::fsync(fd);
    unflushedFrom_ = -1;
    unflushedTail_.clear();
}

void ArchiveFile::flush() {
    if (!file_.isOpen())
        throw Failure("archive closed");
    if (::fsync(file_.handle()) != 0) {
        const int error = errno;
        if (unflushedFrom_ >= 0)
            cutBack(unflushedFrom_, unflushedTail_);
        errno = error;
        failErrno(path_, "cannot sync");
    }
    unflushedFrom_ = -1;
    unflushedTail_.clear();
    if (created_) {
        // A new file is on the disk only once its folder entry is.
        const QByteArray folder = QFile::encodeName(QFileInfo(path_).absolutePath());
        const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            throw Failure("cannot open the archive's folder");
        const int synced = ::fsync(fd);
        ::close(fd);
        if (synced != 0)
            throw Failure("cannot sync the archive's folder");
        created_ = false;
    }
}

void ArchiveFile::close() {
    if (file_.isOpen())
        file_.close();
}

} // namespace common
