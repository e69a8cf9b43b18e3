// The vehicle photo: "Veicolario/Scheda_Veicolo_<n>.jpg" beside the program, shown in the card's photo box.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QLabel;

namespace fleet {

inline constexpr int kPhotoWidth = 308;
inline constexpr int kPhotoHeight = 173;

// The photo folder, without a trailing separator.
QString photoFolder();
// The photo file of the record whose number is shown as position (trimmed).
QString photoPath(const QString& position);
// The names of the photo files in the photo folder, as a wildcard pattern.
QString photoNamePattern();
// The neutral car picture shown when a card has no photo.
QImage placeholderPicture();

class ScaledPicture;

// The picture of a photo box, kept at its own resolution and shown scaled to fit the box.
class PhotoBox {
public:
    PhotoBox(QLabel* box, QLabel* placeholder);

    QImage picture() const;
    bool isPlaceholder() const { return placeholder_; }
    void showPlaceholder();
    // Any other picture: it is encoded afresh when saved.
    void setPicture(const QImage& picture);
    // Loads a picture file; false when it cannot be loaded, the picture on show then stays.
    bool load(const QString& path);
    // Saves the picture as a JPEG file; false when it cannot be saved. A picture that is still the JPEG file
    // it was loaded from is written as those very bytes, never encoded again, and not written at all over
    // that same file while the file still holds them.
    bool saveAs(const QString& path) const;

private:
    void show();
    QLabel* box_;
    QLabel* placeholderBox_;
    ScaledPicture* scaled_; // owned by box_
    QImage picture_;
    bool placeholder_ = true;
    QByteArray jpegBytes_; // the file the picture came from, while unchanged
    QString sourcePath_;
};

} // namespace fleet
