#include "common/FieldFilter.h"

#include "common/Text.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

#include <algorithm>

namespace common {

namespace {

// The text of a user's edit, filtered and cut to the limit; cursor follows the characters kept.
QString filterEdit(const QString& text, int& cursor, const CharFilter& allowed, int limit) {
    QString kept;
    kept.reserve(text.size());
    int newCursor = cursor;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (allowed(text.at(i)))
            kept += text.at(i);
        else if (i < cursor)
            --newCursor;
    }
    // Over the limit, the characters just inserted (those before the cursor) give way, as a paste is cut
    // to the room left.
    if (const qsizetype excess = kept.size() - limit; excess > 0) {
        const qsizetype from = std::max<qsizetype>(0, newCursor - excess);
        kept.remove(from, std::min(excess, kept.size() - from));
        newCursor = int(from);
    }
    cursor = newCursor;
    return kept;
}

} // namespace

void filterField(QLineEdit* field, CharFilter allowed) {
    // Only the user's edits are filtered (textEdited): the program's own texts are shown as they are. The
    // width becomes part of the filter, so that refused characters take no room.
    const int limit = field->maxLength();
    field->setMaxLength(32767);
    field->setProperty("filteredWidth", limit);
    QObject::connect(field, &QLineEdit::textEdited, field, [field, allowed, limit](const QString& text) {
        int cursor = field->cursorPosition();
        const QString kept = filterEdit(text, cursor, allowed, limit);
        if (kept != text) {
            field->setText(kept);
            field->setCursorPosition(cursor);
        }
    });
}

QString filteredText(const QString& text, const CharFilter& allowed) {
    QString kept;
    for (const QChar c : text)
        if (allowed(c))
            kept += c;
    return kept;
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
    // The editing shortcuts: what a paste or an undo brings in is filtered as the edit it makes.
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
