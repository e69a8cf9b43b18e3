#include "bookingprint/GradientFrame.h"

#include "planner/Picture.h"

#include <QPainter>

namespace bookingprint {

namespace {
const QColor kSteelBlue(0x46, 0x82, 0xB4);
const QColor kOutline(0x9F, 0xBE, 0xD8);
} // namespace

void paintSteelBlueShade(QPainter& painter, const QRect& rect) {
    planner::paintShade(painter, rect, kSteelBlue, Qt::white);
}

GradientFrame::GradientFrame(QWidget* parent)
    : QFrame(parent) {}

void GradientFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintSteelBlueShade(painter, rect());
    painter.setPen(kOutline);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace bookingprint
