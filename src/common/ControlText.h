// Writes a text into another window's control found by its name, whatever kind of text control it is.
#pragma once

#include <QString>

class QWidget;

namespace common {

// Edits, drop-down edits (free text, also when not among the items), labels and memos. Throws Failure when
// the window has no such control.
void writeControlText(QWidget* window, const QString& controlName, const QString& text);
// The same on a control at hand; false when it is no text control. One-line fields show the text's start.
bool setControlText(QWidget* control, const QString& text);
// The text of a text control, as shown; empty for any other widget.
QString controlText(const QWidget* control);

} // namespace common
