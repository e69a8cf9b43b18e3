// Fields that take only some characters, and drop-downs whose value comes only from their list. Each edit of
// the user's (a key, a paste, a drop, an input method) is judged where Qt makes it, by the field's validator:
// a refused edit is taken back whole, and the undo history stays.
#pragma once

#include <functional>

class QChar;
class QComboBox;
class QEvent;
class QKeyEvent;
class QLineEdit;
class QString;

namespace common {

using CharFilter = std::function<bool(QChar)>;

// A number field: an edit of the user's that would bring in a character the filter refuses, or make the
// text longer than the field's maximum length, is refused whole, as a pasted number is never taken with some
// of its characters dropped or cut to the width. Blanks and line ends (codes 32 and below) around a pasted or
// dropped text are dropped before it is judged. The program's own texts are set as they are.
void filterField(QLineEdit* field, CharFilter allowed);
// Sets a text of the program's that may be longer than the filtered field's width, such as a normalised
// amount (setText cuts a text to the maximum length): the width gives way while such a text is shown, and
// comes back with the program's next text that fits. The user's edits never make the text longer than the
// width.
void showWhole(QLineEdit* field, const QString& text);

// The keys a filtered field takes: Backspace, Delete, the left and right arrows, Home, End, the editing
// shortcuts (paste, copy, cut, select all, undo, redo), the characters the filter allows, and the keys that
// move between fields (Tab, Enter) or only modify others.
bool keyPasses(const QKeyEvent* event, const CharFilter& allowed);

// Rewrites the text the user has just edited through rewrite, the cursor kept after the same typed
// character (less what the rewrite took out before it). Nothing happens when the text is already so.
void rewriteTyped(QLineEdit* field, const std::function<QString(const QString&)>& rewrite);
// The same with the letters a-z upper-cased and the text trimmed.
void upperCaseTyped(QLineEdit* field);

// A drop-down whose text is free: what the user types stays as typed, with no completion from the list.
void keepTypedText(QComboBox* list);
// A drop-down whose value comes only from its list: no completion, and an edit of the user's may only empty
// its text, so it takes nothing from a paste (keys, context menu), a drop or an input method. Its keys are
// the window's, through pickListKey.
void takeOnlyFromList(QComboBox* list);

// Whether a focus event moves the focus between fields. The field's own context menu or drop-down list
// opening and closing (Qt::PopupFocusReason) and the window losing or regaining activation are no such move:
// a leave handler that rewrites the text skips them, or a Paste from the menu lands in a rewritten field.
bool isFieldFocusChange(const QEvent* event);

// Drop-downs that take no typing: the value comes only from the list.
enum class PickKey {
    Pass,    // handled as usual: Tab, Shift+Tab, Left, Right, a modifier alone
    Enter,   // Enter or Return: the window's Enter rule
    Clear,   // Backspace or Delete: the text is emptied
    Swallow, // anything else: nothing happens
};
PickKey pickListKey(const QKeyEvent& key);
// Forgets the selected entry and keeps the text (QComboBox::setCurrentIndex(-1) would also empty an
// editable drop-down's text); no signal is sent.
void resetSelection(QComboBox* list);
// On leaving the list: a text, trimmed, that is none of the entries is emptied.
void keepOnlyListed(QComboBox* list);
// The same where the list takes more spellings than its entries: a text accepted refuses is emptied.
void keepOnlyAccepted(QComboBox* list, const std::function<bool(const QString&)>& accepted);

bool isDigitChar(QChar c);
bool isAmountChar(QChar c); // digits and the comma

} // namespace common
