// The system clipboard.
#pragma once

#include <QString>

namespace platform {

// True when the platform offers a clipboard.
bool clipboardAvailable();
// Puts text on the clipboard as plain text, exactly as given.
void setClipboardText(const QString& text);
// The clipboard's plain text; empty when it holds none.
QString clipboardText();
// True where the platform has a mouse selection that the middle button pastes (X11).
bool hasMouseSelection();
// The mouse selection's plain text; empty where there is none.
QString mouseSelectionText();

} // namespace platform
