#include "booking/BookingText.h"

#include "common/Text.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"

#include <QLineEdit>

namespace booking {

void clearBookingText(QLineEdit* text) {
    text->setText(QString());
    text->setFocus();
}

void copyBookingText(QWidget* owner, QLineEdit* text) {
    if (common::Trim(text->text()).isEmpty()) {
        platform::showKinded(
            owner, platform::MsgKind::Warning,
            QStringLiteral("Attenzione: il campo di testo non contiene nessun dato da copiare in "
                           "memoria."));
        text->setFocus();
        return;
    }
    if (!platform::clipboardAvailable())
        return;
    platform::setClipboardText(text->text());
    platform::showKinded(owner, platform::MsgKind::Information,
                         QString::fromUtf8("Il contenuto del campo di testo è stato copiato in memoria."));
}

} // namespace booking
