#include "common/Form.h"

#include "common/TextFit.h"
#include "platform/Screen.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QShowEvent>

namespace common {

Form::Form(QWidget* parent)
    : QWidget(parent, Qt::Window) {}

void Form::setNoTitleButtons(SystemClose close) {
    refusesSystemClose_ = close == SystemClose::Refused;
    setTitleBarWithoutButtons(this);
}

void Form::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    platform::fitIntoScreen(this);
    if (centred_)
        centreOnScreen(this);
    FormShow();
    fitTexts(this);
}

void Form::closeEvent(QCloseEvent* event) {
    if (refusesSystemClose_ && event->spontaneous()) {
        event->ignore();
        return;
    }
    event->accept();
    FormClose();
}

void Form::keyPressEvent(QKeyEvent* event) {
    if (!clickFocusedButton(this, event))
        QWidget::keyPressEvent(event);
}

void setTitleBarWithoutButtons(QWidget* window) {
    window->setWindowFlags((window->windowFlags() & Qt::WindowType_Mask) | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint);
}

bool clickFocusedButton(QWidget* window, QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    // A check box keeps its state: Enter presses commands only.
    auto* button = qobject_cast<QAbstractButton*>(window->focusWidget());
    if (!button || button->isCheckable() || !button->isEnabled() || !button->isVisible())
        return false;
    button->click();
    event->accept();
    return true;
}

void centreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    window->move(area.topLeft() +
                 QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2));
}

} // namespace common
