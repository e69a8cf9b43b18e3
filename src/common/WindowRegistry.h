// The shared instances of the program's windows, created once at start in a fixed order.
#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

namespace common {

struct WindowEntry {
    QString className;
    // Creates the shared instance; empty while the window is not built.
    std::function<QWidget*()> create;
};

class WindowRegistry {
public:
    static WindowRegistry& instance();

    // Creates the shared instances in the order of the table.
    void createAll(const QList<WindowEntry>& table);
    // Registers one shared instance under its objectName (tests register the windows they build).
    void add(QWidget* window);
    // The shared instance with that objectName, or nullptr.
    QWidget* window(const QString& instanceName) const;
    template <class T> T* window(const QString& instanceName) const {
        return qobject_cast<T*>(window(instanceName));
    }
    // Instance names in creation order.
    QStringList names() const;
    void destroyAll();

private:
    QList<QPointer<QWidget>> windows_;
};

// The shared instance of a window, by its instance name.
inline QWidget* sharedWindow(const QString& instanceName) {
    return WindowRegistry::instance().window(instanceName);
}
template <class T> T* sharedWindow(const QString& instanceName) {
    return WindowRegistry::instance().window<T>(instanceName);
}

} // namespace common
