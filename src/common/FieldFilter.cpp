#include "common/FieldFilter.h"

#include "common/Text.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

#include <algorithm>

namespace common {

namespace {

// Where an edit changed a text: the common start, and what came in between the common start and end.
struct Change {
    qsizetype at;
    QString inserted;
};

Change changeBetween(const QString& before, const QString& after) {
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before.at(head) == after.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && before.at(before.size() - 1 - tail) == after.at(after.size() - 1 - tail))
        ++tail;
    return {head, after.mid(head, after.size() - head - tail)};
}

// Holds a filtered field's last text, so that a refused edit puts it back whole.
class EditGuard : public QObject {
public:
    EditGuard(QLineEdit* field, CharFilter allowed, int limit)
        : QObject(field)
        , field_(field)
        , allowed_(std::move(allowed))
        , limit_(limit)
        , last_(field->text()) {
        // textEdited comes before textChanged, so last_ still holds the text before the edit.
        connect(field, &QLineEdit::textEdited, this, &EditGuard::edited);
        connect(field, &QLineEdit::textChanged, this, [this] { last_ = field_->text(); });
    }

private:
    void edited(const QString& text) {
        const Change change = changeBetween(last_, text);
        const bool overWidth = text.size() > limit_ && text.size() > last_.size();
        if (!overWidth && std::all_of(change.inserted.cbegin(), change.inserted.cend(), allowed_))
            return;
        field_->setText(last_);
        field_->setCursorPosition(int(std::min(change.at, last_.size())));
    }

    QLineEdit* field_;
    CharFilter allowed_;
    int limit_;
    QString last_;
};

void withoutCompletion(QComboBox* list) {
    list->setCompleter(nullptr);
    list->setInsertPolicy(QComboBox::NoInsert);
}

} // namespace

void filterField(QLineEdit* field, CharFilter allowed) {
    // Only the user's edits are checked (textEdited): the program's own texts are shown as they are. The
    // width becomes part of the check, so that a text the program set longer stays whole.
    const int limit = field->maxLength();
    field->setMaxLength(32767);
    field->setProperty("filteredWidth", limit);
    new EditGuard(field, std::move(allowed), limit);
}

void keepTypedText(QComboBox* list) {
    withoutCompletion(list);
}

void takeOnlyFromList(QComboBox* list) {
    withoutCompletion(list);
    QLineEdit* text = list->lineEdit();
    text->setAcceptDrops(false);
    filterField(text, [](QChar) { return false; });
}

bool isFieldFocusChange(const QEvent* event) {
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

bool keyPasses(const QKeyEvent* event, const CharFilter& allowed) {
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        break;
    }
    // The editing shortcuts: what a paste or an undo brings in is checked as the edit it makes.
    for (const auto key : {QKeySequence::Paste, QKeySequence::Copy, QKeySequence::Cut,
                           QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo})
        if (event->matches(key))
            return true;
    const QString text = event->text();
    return text.size() == 1 && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
           allowed(text.at(0));
}

void rewriteTyped(QLineEdit* field, const std::function<QString(const QString&)>& rewrite) {
    const QString text = field->text();
    const QString shown = rewrite(text);
    if (shown == text)
        return;
    // What comes before the cursor, rewritten with a stand-in after it, measures where the cursor goes.
    const int cursor = field->cursorPosition();
    const int before = int(rewrite(text.left(cursor) + QLatin1Char('x')).size()) - 1;
    field->setText(shown);
    field->setCursorPosition(std::clamp(before, 0, int(shown.size())));
}

void upperCaseTyped(QLineEdit* field) {
    rewriteTyped(field, [](const QString& text) { return Trim(UpperAZ(text)); });
}

PickKey pickListKey(const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
        return PickKey::Pass;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return PickKey::Clear;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return PickKey::Enter;
    default:
        return PickKey::Swallow;
    }
}

void resetSelection(QComboBox* list) {
    const QString text = list->currentText();
    const QSignalBlocker block(list);
    list->setCurrentIndex(-1);
    list->setEditText(text);
}

void keepOnlyListed(QComboBox* list) {
    keepOnlyAccepted(list, [list](const QString& text) {
        return list->findText(Trim(text), Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0;
    });
}

void keepOnlyAccepted(QComboBox* list, const std::function<bool(const QString&)>& accepted) {
    if (!accepted(list->currentText()))
        list->setEditText(QString());
}

bool isDigitChar(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isAmountChar(QChar c) {
    return isDigitChar(c) || c == QLatin1Char(',');
}

} // namespace common
