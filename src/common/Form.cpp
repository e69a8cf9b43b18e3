#include "common/Form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>

namespace common {

Form::Form(QWidget* parent) : QWidget(parent, Qt::Window) {}

void Form::setNoTitleButtons() {
    noTitleButtons_ = true;
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

void Form::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    if (centred_)
        centreOnScreen(this);
    FormShow();
}

void Form::closeEvent(QCloseEvent* event) {
    if (noTitleButtons_ && event->spontaneous()) {
        event->ignore();
        return;
    }
    event->accept();
    FormClose();
}

void centreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    window->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

} // namespace common
