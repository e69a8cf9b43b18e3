// Finding a window's controls by objectName, failing loudly when one is missing.
#pragma once

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QString>
#include <QWidget>

namespace testsupport {

template <class T>
T* child(QWidget* window, const QString& name) {
    T* c = window->findChild<T*>(name);
    if (!c)
        qFatal("control %s missing", qPrintable(name));
    return c;
}

inline QColor textColour(QLabel* label) { return label->palette().color(QPalette::WindowText); }

} // namespace testsupport
