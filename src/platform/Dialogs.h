// Modal message boxes of the program's three forms.
#pragma once

#include <QString>

class QWidget;

namespace platform {

enum class MsgKind { Warning, Information, Error };

// A kinded box with OK and Cancel; its answer is not used.
void showKinded(QWidget* parent, MsgKind kind, const QString& text);
// A question with Yes and No; true for Yes.
bool askYesNo(QWidget* parent, const QString& text);
// A plain box with OK alone.
void showPlain(QWidget* parent, const QString& text);

} // namespace platform
