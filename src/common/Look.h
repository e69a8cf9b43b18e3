// Colours set through the palette (a style sheet per control is slow to create).
#pragma once

#include <QColor>
#include <QWidget>

namespace common {

inline void setBackground(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::Base, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// The yellow rectangle that marks the focused field.
inline void markFocusRectangle(QWidget* rectangle) {
    setBackground(rectangle, QColor(Qt::yellow));
    rectangle->setVisible(false);
}

} // namespace common
