#include "fleet/VehiclePhoto.h"

#include "common/CommandTable.h"
#include "common/Text.h"
#include "platform/Files.h"
#include "platform/Images.h"
#include "platform/ProgramFolder.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace fleet {

QString photoFolder() {
    return platform::programPath(QStringLiteral("Veicolario"));
}

namespace {
QString photoName(const QString& position) {
    return QStringLiteral("Scheda_Veicolo_") + position + QStringLiteral(".jpg");
}
} // namespace

QString photoPath(const QString& position) {
    return photoFolder() + QLatin1Char('/') + photoName(common::Trim(position));
}

QString photoNamePattern() {
    return photoName(QStringLiteral("*"));
}

namespace {

QImage drawPlaceholder() {
    QImage image(kPhotoWidth, kPhotoHeight, QImage::Format_RGB32);
    image.fill(QColor(0xF4, 0xF6, 0xF8));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor body(0xB8, 0xC2, 0xCC);
    const QColor dark(0x6E, 0x7A, 0x86);
    // Road line.
    p.setPen(QPen(QColor(0xD8, 0xDE, 0xE4), 3));
    p.drawLine(24, 140, 284, 140);
    // Body and cabin of a car seen from the side.
    QPainterPath car;
    car.moveTo(44, 122);
    car.lineTo(44, 98);
    car.quadTo(48, 88, 66, 86);
    car.lineTo(100, 84);
    car.lineTo(128, 58);
    car.quadTo(134, 54, 146, 54);
    car.lineTo(202, 54);
    car.quadTo(214, 54, 222, 62);
    car.lineTo(246, 84);
    car.quadTo(266, 88, 266, 100);
    car.lineTo(266, 122);
    car.closeSubpath();
    p.setPen(QPen(dark, 2));
    p.setBrush(body);
    p.drawPath(car);
    // Windows.
    p.setBrush(QColor(0xE8, 0xEE, 0xF4));
    QPainterPath front;
    front.moveTo(134, 84);
    front.lineTo(150, 62);
    front.lineTo(180, 62);
    front.lineTo(180, 84);
    front.closeSubpath();
    QPainterPath rear;
    rear.moveTo(188, 84);
    rear.lineTo(188, 62);
    rear.lineTo(212, 62);
    rear.lineTo(234, 84);
    rear.closeSubpath();
    p.drawPath(front);
    p.drawPath(rear);
    // Wheels.
    p.setBrush(dark);
    p.drawEllipse(QPointF(92, 124), 17, 17);
    p.drawEllipse(QPointF(220, 124), 17, 17);
    p.setBrush(QColor(0xF4, 0xF6, 0xF8));
    p.drawEllipse(QPointF(92, 124), 7, 7);
    p.drawEllipse(QPointF(220, 124), 7, 7);
    return image;
}

} // namespace

QImage placeholderPicture() {
    // Drawn once, when first needed; the card and the slide show share it.
    static const QImage picture = drawPlaceholder();
    return picture;
}

// Shows a picture scaled into its box; while the box is hidden the scaling waits until it is shown, and the
// placeholder is drawn only then.
class ScaledPicture : public QObject {
public:
    explicit ScaledPicture(QLabel* box)
        : QObject(box)
        , box_(box) {
        box->installEventFilter(this);
    }

    void show(const QImage& picture) {
        pending_ = picture;
        placeholderPending_ = picture.isNull();
        if (box_->isVisible())
            draw();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == box_ && event->type() == QEvent::Show)
            draw();
        return QObject::eventFilter(watched, event);
    }

private:
    void draw() {
        if (placeholderPending_)
            pending_ = placeholderPicture();
        if (pending_.isNull())
            return;
        box_->setPixmap(QPixmap::fromImage(
            pending_.scaled(box_->contentsRect().size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        pending_ = QImage();
        placeholderPending_ = false;
    }
    QLabel* box_;
    QImage pending_;
    bool placeholderPending_ = false;
};

PhotoBox::PhotoBox(QLabel* box, QLabel* placeholder)
    : box_(box)
    , placeholderBox_(placeholder)
    , scaled_(new ScaledPicture(box)) {
    common::drawOnFirstShow(placeholderBox_, [](QWidget* label) {
        static_cast<QLabel*>(label)->setPixmap(QPixmap::fromImage(placeholderPicture()));
    });
    showPlaceholder();
}

QImage PhotoBox::picture() const {
    return placeholder_ ? placeholderPicture() : picture_;
}

void PhotoBox::show() {
    scaled_->show(placeholder_ ? QImage() : picture_);
}

void PhotoBox::showPlaceholder() {
    picture_ = QImage(); // drawn when it is first needed
    placeholder_ = true;
    jpegBytes_.clear();
    sourcePath_.clear();
    show();
}

void PhotoBox::setPicture(const QImage& picture) {
    if (picture.isNull()) {
        showPlaceholder();
        return;
    }
    picture_ = picture;
    placeholder_ = false;
    jpegBytes_.clear();
    sourcePath_.clear();
    show();
}

bool PhotoBox::load(const QString& path) {
    std::optional<platform::LoadedPicture> loaded = platform::loadPicture(path);
    if (!loaded)
        return false;
    picture_ = loaded->image;
    placeholder_ = false;
    jpegBytes_ = loaded->fileBytes;
    sourcePath_ = jpegBytes_.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    show();
    return true;
}

bool PhotoBox::saveAs(const QString& path) const {
    if (jpegBytes_.isEmpty())
        return platform::saveJpeg(picture(), path);
    if (QFileInfo(path).absoluteFilePath() == sourcePath_) {
        const platform::WholeFile same = platform::readWholeFile(path, jpegBytes_.size());
        if (same.status == platform::WholeFile::Read && same.bytes == jpegBytes_)
            return true; // the file already holds this very picture
    }
    return platform::saveFileBytes(jpegBytes_, path);
}

} // namespace fleet
