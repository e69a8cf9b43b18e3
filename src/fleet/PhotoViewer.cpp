#include "fleet/PhotoViewer.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace fleet {

PhotoViewer::PhotoViewer(QWidget* owner)
    : common::Dialog(owner) {
    setWindowState(Qt::WindowMaximized);
}

void PhotoViewer::setUpViewer(QWidget* panContainer, QLabel* imgFoto) {
    panel_ = panContainer;
    image_ = imgFoto;
    image_->setAlignment(Qt::AlignCenter);
    panel_->installEventFilter(this);
    image_->installEventFilter(this);
}

void PhotoViewer::setPicture(const QImage& picture) {
    picture_ = picture;
    showScaled();
}

void PhotoViewer::showScaled() {
    if (!image_)
        return;
    if (picture_.isNull()) {
        image_->clear();
        return;
    }
    image_->setPixmap(QPixmap::fromImage(
        picture_.scaled(image_->contentsRect().size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void PhotoViewer::FormShow() {
    // The screen less 60 across and 90 down, for the panel and the picture alike.
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->size() - QSize(60, 90) : QSize(800, 600);
    panel_->resize(size);
    image_->setGeometry(0, 0, size.width(), size.height());
    placePanel();
    showScaled();
}

void PhotoViewer::placePanel() {
    if (panel_)
        panel_->move((width() - panel_->width()) / 2, (height() - panel_->height()) / 2);
}

void PhotoViewer::resizeEvent(QResizeEvent* event) {
    common::Dialog::resizeEvent(event);
    placePanel();
}

void PhotoViewer::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, QColor(70, 130, 180));
    gradient.setColorAt(1, Qt::white);
    painter.fillRect(rect(), gradient);
}

bool PhotoViewer::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == panel_ || watched == image_) && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        close();
        return true;
    }
    return common::Dialog::eventFilter(watched, event);
}

} // namespace fleet
