#include "common/StatusHints.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

namespace common {

StatusHints::StatusHints(QLabel* panInfo, QObject* parent)
    : QObject(parent)
    , panInfo_(panInfo) {}

void StatusHints::watch(QWidget* widget, const QString& text) {
    texts_.insert(widget, text);
    // Moves reach a widget without buttons pressed only with tracking on; a watched widget then keeps
    // them from reaching the background behind it.
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    connect(widget, &QObject::destroyed, this, [this](QObject* gone) { texts_.remove(gone); });
}

void StatusHints::add(QWidget* widget, const QString& text) {
    watch(widget, text.isNull() ? QString("") : text);
}

void StatusHints::addBackground(QWidget* widget) {
    watch(widget, QString(""));
}

void StatusHints::addQuiet(QWidget* widget) {
    watch(widget, QString());
}

void StatusHints::addBackgroundTree(QWidget* root) {
    if (!texts_.contains(root))
        addBackground(root);
    for (QWidget* widget : root->findChildren<QWidget*>())
        if (!texts_.contains(widget))
            addBackground(widget);
}

bool StatusHints::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::Enter)
        return QObject::eventFilter(watched, event);
    const auto it = texts_.constFind(watched);
    if (it == texts_.constEnd())
        return QObject::eventFilter(watched, event);
    if (it->isNull()) // quiet: the hint stays as it was
        return type == QEvent::MouseMove && static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton;
    const bool background = it->isEmpty();
    // A window shown under a resting mouse gets an Enter; only a move over the background clears the hint.
    if (background && type == QEvent::Enter)
        return QObject::eventFilter(watched, event);
    if (panInfo_ && panInfo_->text() != *it)
        panInfo_->setText(*it);
    // A plain move over a command stops here, so that the background behind it does not clear the hint
    // again; moves with a button pressed still reach the widget.
    return !background && type == QEvent::MouseMove &&
           static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton;
}

} // namespace common
