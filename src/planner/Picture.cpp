#include "planner/Picture.h"

#include <QLinearGradient>
#include <QPainter>

namespace planner {

Picture::Picture(QWidget* parent)
    : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
}

void Picture::setMaker(Maker maker) {
    maker_ = std::move(maker);
    pixmap_ = QPixmap();
    update();
}

void Picture::setCommand() {
    setCursor(Qt::PointingHandCursor);
}

void Picture::paintEvent(QPaintEvent*) {
    if (!maker_)
        return;
    if (pixmap_.isNull() || pixmap_.deviceIndependentSize().toSize() != size())
        pixmap_ = maker_(size());
    QPainter p(this);
    p.drawPixmap(rect(), pixmap_);
}

void paintShade(QPainter& painter, const QRect& rect, const QColor& top, const QColor& bottom) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(rect, gradient);
}

Shape::Shape(QWidget* parent)
    : QWidget(parent) {}

void Shape::setFill(const QColor& fill, const QColor& stroke) {
    top_ = bottom_ = fill;
    stroke_ = stroke;
    update();
}

void Shape::setGradient(const QColor& top, const QColor& bottom, const QColor& stroke) {
    top_ = top;
    bottom_ = bottom;
    stroke_ = stroke;
    update();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (top_ == bottom_)
        p.fillRect(rect(), top_);
    else
        paintShade(p, rect(), top_, bottom_);
    if (stroke_.isValid()) {
        p.setPen(stroke_);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace planner
