// The system clipboard.
#pragma once

#include <QString>

namespace platform {

// True when the platform offers a clipboard.
bool clipboardAvailable();
// Puts text on the clipboard as plain text, exactly as given.
void setClipboardText(const QString& text);

} // namespace platform
