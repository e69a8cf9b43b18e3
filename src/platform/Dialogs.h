// Modal message boxes of the program's three forms.
#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace platform {

enum class MsgKind { Warning, Information, Error };

// A kinded box with OK and Cancel; its answer is not used.
void showKinded(QWidget* parent, MsgKind kind, const QString& text);
// A question with Yes and No; true for Yes.
bool askYesNo(QWidget* parent, const QString& text);
// A plain box with OK alone.
void showPlain(QWidget* parent, const QString& text);
// The program's error box: an error icon, the text and OK alone. It reports a failure that the handler
// has no message of its own for (a print that failed, or a failure that no handler expected).
void showError(QWidget* parent, const QString& text);

// A one-line text prompt: a window caption, a label before the field and the field's preset text.
struct TextPrompt {
    QString caption;
    QString label;
    QString preset;
};
// The text as the user left it, or nothing when the user cancels.
std::optional<QString> askText(QWidget* parent, const TextPrompt& prompt);
// Tests only: answers every prompt with what answer returns (nothing: cancel); an empty function restores
// the real prompt.
void setTextPromptAnswerForTests(std::function<std::optional<QString>(const TextPrompt&)> answer);

} // namespace platform
