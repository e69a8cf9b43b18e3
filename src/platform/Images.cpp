#include "platform/Images.h"

#include "platform/Files.h"
#include "platform/SafeFile.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

namespace platform {

namespace {
constexpr int kJpegQuality = 90;
// A picture larger than this is refused rather than filling the memory.
constexpr int kMaxPixels = 100'000'000;
// No photo comes near this; a larger file is refused rather than read into memory.
constexpr qint64 kMaxPictureBytes = 256LL * 1024 * 1024;
} // namespace

std::optional<LoadedPicture> loadPicture(const QString& path) {
    // Only a regular file: a pipe or a device under a photo's name is no picture.
    const WholeFile file = readWholeFile(path, kMaxPictureBytes);
    if (file.status != WholeFile::Read)
        return std::nullopt;
    LoadedPicture picture;
    const QByteArray& bytes = file.bytes;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPixels)
        return std::nullopt;
    const QByteArray format = reader.format();
    if (!reader.read(&picture.image) || picture.image.isNull())
        return std::nullopt;
    if (format == "jpeg" || format == "jpg")
        picture.fileBytes = bytes;
    return picture;
}

bool saveJpeg(const QImage& image, const QString& path) {
    if (image.isNull())
        return false;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(kJpegQuality);
    if (!writer.write(image))
        return false;
    return saveFileBytes(bytes, path);
}

bool saveFileBytes(const QByteArray& bytes, const QString& path) {
    return writeWholeFile(path, bytes);
}

} // namespace platform
