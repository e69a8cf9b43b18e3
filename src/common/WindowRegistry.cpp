#include "common/WindowRegistry.h"

namespace common {

WindowRegistry& WindowRegistry::instance() {
    static WindowRegistry registry;
    return registry;
}

void WindowRegistry::createAll(const QList<WindowEntry>& table) {
    for (const WindowEntry& entry : table)
        if (entry.create)
            add(entry.create());
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
