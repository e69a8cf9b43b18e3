#include "platform/Images.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

namespace platform {

namespace {
constexpr int kJpegQuality = 90;
// A picture larger than this is refused rather than filling the memory.
constexpr int kMaxPixels = 100'000'000;
} // namespace

std::optional<LoadedPicture> loadPicture(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    LoadedPicture picture;
    const QByteArray bytes = file.readAll();
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace platform
