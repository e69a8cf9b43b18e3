#include "planner/EditStroke.h"

#include <QPainter>
#include <QStyleOption>

namespace planner {

EditStroke::EditStroke(const QColor& stroke, QObject* owner)
    : stroke_(stroke) {
    setParent(owner);
}

void EditStroke::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
    if (element != PE_FrameLineEdit) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Square corners, one pixel, the same with or without the focus.
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(stroke_);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

} // namespace planner
