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

// A JPEG, bitmap or other picture that Qt reads; nothing when the file is missing, not a regular file or
// no picture.
std::optional<LoadedPicture> loadPicture(const QString& path);
// Writes image as a JPEG file through the safe write (platform/SafeFile.h).
bool saveJpeg(const QImage& image, const QString& path);
// Writes bytes as the whole file through the safe write.
bool saveFileBytes(const QByteArray& bytes, const QString& path);

} // namespace platform
