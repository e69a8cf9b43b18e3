// Pictures read from and written to files.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

namespace platform {

struct LoadedPicture {
    QImage image;
    QByteArray fileBytes; // the file as read, when it is a JPEG; empty otherwise
};

// A JPEG, bitmap or other picture that Qt reads; nothing when the file is missing or no picture.
std::optional<LoadedPicture> loadPicture(const QString& path);
// Writes image as a JPEG file, replacing any file of that name only once the new one is complete.
bool saveJpeg(const QImage& image, const QString& path);
// Writes bytes as the whole file, replacing it only once the new one is complete.
bool saveFileBytes(const QByteArray& bytes, const QString& path);

} // namespace platform
