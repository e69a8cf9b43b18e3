// Finding a window's controls by objectName, failing loudly when one is missing.
#pragma once

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QString>
#include <QWidget>
#include <QtWidgets>

#include <memory>

namespace testsupport {

template <class T> T* child(QWidget* window, const QString& name) {
    T* c = window->findChild<T*>(name);
    if (!c)
        qFatal("control %s missing", qPrintable(name));
    return c;
}

template <class T, class W> T* child(const std::unique_ptr<W>& window, const QString& name) {
    return child<T>(window.get(), name);
}

inline QColor textColour(QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

} // namespace testsupport
