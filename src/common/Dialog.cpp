#include "common/Dialog.h"

#include "common/Form.h"
#include "common/TextFit.h"
#include "platform/Screen.h"

#include <QKeyEvent>
#include <QShowEvent>

namespace common {

Dialog::Dialog(QWidget* owner)
    : QDialog(owner) {}

void Dialog::setNoTitleButtons() {
    setTitleBarWithoutButtons(this);
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

void Dialog::keyPressEvent(QKeyEvent* event) {
    // QWidget's handler ignores the key, so neither the default button nor reject() sees it.
    if (!clickFocusedButton(this, event))
        QWidget::keyPressEvent(event);
}

} // namespace common
