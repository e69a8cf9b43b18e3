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

QString clipboardText() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->text(QClipboard::Clipboard) : QString();
}

bool hasMouseSelection() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard && clipboard->supportsSelection();
}

QString mouseSelectionText() {
    return hasMouseSelection() ? QGuiApplication::clipboard()->text(QClipboard::Selection) : QString();
}

} // namespace platform
