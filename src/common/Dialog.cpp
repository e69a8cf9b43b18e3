#include "common/Dialog.h"

#include "common/Form.h"
#include "common/TextFit.h"
#include "platform/Screen.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShowEvent>

namespace common {

Dialog::Dialog(QWidget* owner)
    : QDialog(owner) {}

void Dialog::setNoTitleButtons() {
    noTitleButtons_ = true;
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

void Dialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    platform::fitIntoScreen(this);
    if (centredOnScreen_) {
        centreOnScreen(this);
    } else if (centredOnOwner_ && parentWidget()) {
        const QWidget* owner = parentWidget()->window();
        const QRect area = owner->frameGeometry();
        const QSize size = frameGeometry().size();
        move(area.center() - QPoint(size.width() / 2, size.height() / 2));
    }
    FormShow();
    fitTexts(this);
}

void Dialog::closeEvent(QCloseEvent* event) {
    if (noTitleButtons_ && event->spontaneous()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void Dialog::keyPressEvent(QKeyEvent* event) {
    // QWidget's handler ignores the key, so neither the default button nor reject() sees it.
    if (!clickFocusedButton(this, event))
        QWidget::keyPressEvent(event);
}

} // namespace common
