#include "common/WindowRegistry.h"

#include <QCoreApplication>
#include <QEvent>

namespace common {

WindowRegistry& WindowRegistry::instance() {
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::createAll(const QList<WindowEntry>& table) {
    for (const WindowEntry& entry : table) {
        if (!entry.create)
            continue;
        QWidget* window = entry.create();
        // A new window asks to be polished (style, fonts of every control) once the loop runs; showing it
        // polishes it anyway, so the windows not shown at start skip that work.
        QCoreApplication::removePostedEvents(window, QEvent::PolishRequest);
        add(window);
    }
}

void WindowRegistry::add(QWidget* window) {
    if (window)
        windows_.append(window);
}

QWidget* WindowRegistry::window(const QString& instanceName) const {
    // The newest registration wins, so a test may stand its own instance in.
    for (auto it = windows_.crbegin(); it != windows_.crend(); ++it)
        if (*it && (*it)->objectName() == instanceName)
            return *it;
    return nullptr;
}

QStringList WindowRegistry::names() const {
    QStringList out;
    for (const auto& w : windows_)
        if (w)
            out.append(w->objectName());
    return out;
}

void WindowRegistry::destroyAll() {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
        delete it->data();
    windows_.clear();
}

} // namespace common
