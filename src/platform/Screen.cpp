#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace platform {

void fitIntoScreen(QWidget* window) {
    if (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    QScreen* screen = window->screen();
    if (const QWidget* parent = window->parentWidget(); parent && !window->isVisible())
        screen = parent->window()->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    const QRect inner = window->geometry();
    if (frame == inner && window->isWindow() && !window->testAttribute(Qt::WA_DontShowOnScreen))
        frame = inner.adjusted(-5, -35, 5, 5); // not framed yet: about a title bar and a border
    const int extraWidth = frame.width() - inner.width();
    const int extraHeight = frame.height() - inner.height();
    const QSize fitted(std::min(inner.width(), area.width() - extraWidth),
                       std::min(inner.height(), area.height() - extraHeight));
    if (fitted != inner.size())
        window->resize(fitted.expandedTo(window->minimumSize()));
    // Then inside the area, the title bar first.
    const QSize outer = window->size() + QSize(extraWidth, extraHeight);
    QPoint topLeft = frame.topLeft();
    topLeft.setX(
        std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())));
    topLeft.setY(
        std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
    if (topLeft != frame.topLeft())
        window->move(topLeft);
}

} // namespace platform
