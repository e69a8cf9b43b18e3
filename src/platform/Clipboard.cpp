#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

bool clipboardAvailable() {
    return QGuiApplication::clipboard() != nullptr;
}

void setClipboardText(const QString& text) {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(text, QClipboard::Clipboard);
}

} // namespace platform
