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

inline void setTextColour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

// The crimson of the lists' instruction to double-click a line.
inline const QColor kInstructionColour{0xDC, 0x14, 0x3C};

// The yellow rectangle that marks the focused field.
inline void markFocusRectangle(QWidget* rectangle) {
    setBackground(rectangle, QColor(Qt::yellow));
    rectangle->setVisible(false);
}

} // namespace common
