#include "common/Link.h"

#include <QLabel>
#include <QMouseEvent>

namespace common {

Link::Link(QLabel* text, QWidget* icon, std::function<void()> onClick)
    : QObject(text)
    , text_(text)
    , icon_(icon)
    , onClick_(std::move(onClick)) {
    QFont font = text_->font();
    font.setUnderline(true);
    text_->setFont(font);
    for (QWidget* w : {static_cast<QWidget*>(text_), icon_}) {
        if (!w)
            continue;
        w->setCursor(Qt::PointingHandCursor);
        w->installEventFilter(this);
    }
    setColour(kLinkColour);
}

void Link::setColour(const QColor& colour) {
    QPalette p = text_->palette();
    p.setColor(QPalette::WindowText, colour);
    text_->setPalette(p);
}

bool Link::eventFilter(QObject* watched, QEvent* event) {
    if (watched != text_ && watched != icon_)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            setColour(kLinkDownColour);
    } else if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            setColour(kLinkColour);
            auto* w = static_cast<QWidget*>(watched);
            if (w->rect().contains(mouse->position().toPoint()) && onClick_)
                onClick_();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace common
