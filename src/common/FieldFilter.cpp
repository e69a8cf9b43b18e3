#include "common/FieldFilter.h"

#include "common/Text.h"
#include "platform/Clipboard.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QValidator>

#include <algorithm>
#include <utility>

namespace common {

namespace {

// Judges each edit of the user's as Qt makes it; Qt takes back an edit judged Invalid, undo history and all.
// The program's own texts are never refused: Qt validates them too without taking them back, and a text
// judged Invalid there would leave the field's next edit unguarded (Qt takes back only an edit that starts
// from a valid text). During a setText the field is not modified (its undo history starts again); during an
// edit of the user's it is.
class EditRule : public QValidator {
public:
    // With no filter, the text comes only from a list: an edit may only empty it.
    EditRule(QLineEdit* field, CharFilter allowed)
        : QValidator(field)
        , field_(field)
        , allowed_(std::move(allowed))
        , width_(field->maxLength())
        , shown_(field->text()) {
        // textChanged comes after the validation, so shown_ holds the text before the edit while it is
        // judged.
        connect(field, &QLineEdit::textChanged, this, &EditRule::changed);
        connect(field, &QLineEdit::inputRejected, this, &EditRule::rejected);
        field->setValidator(this);
        if (allowed_)
            field->installEventFilter(this);
    }

    State validate(QString& text, int&) const override {
        const bool cut = std::exchange(cut_, false);
        if (replaying_ || !field_->isModified() || text == shown_)
            return Acceptable;
        refusing_ = allowed_ ? cut || refusedCount(text) > refusedCount(shown_) ||
                                   (text.size() > width_ && text.size() > shown_.size())
                             : !text.isEmpty();
        return refusing_ ? Invalid : Acceptable;
    }

    int width() const { return width_; }

protected:
    // Where a paste or a drop enters, and where an undo or a redo starts.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != field_ || field_->isReadOnly())
            return false;
        switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<const QKeyEvent*>(event);
            if (key->matches(QKeySequence::Paste)) {
                paste(platform::clipboardText());
                return true;
            }
            if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
                replay(key->matches(QKeySequence::Redo));
                return true;
            }
            return false;
        }
        case QEvent::ContextMenu:
            showMenu(static_cast<const QContextMenuEvent*>(event)->globalPos());
            return true;
        case QEvent::Drop:
            return dropTrimmed(static_cast<QDropEvent*>(event));
        case QEvent::MouseButtonRelease:
            if (static_cast<const QMouseEvent*>(event)->button() != Qt::MiddleButton ||
                !platform::hasMouseSelection())
                return false;
            field_->deselect();
            paste(platform::mouseSelectionText());
            return true;
        default:
            return false;
        }
    }

private:
    qsizetype refusedCount(const QString& text) const {
        return std::count_if(text.cbegin(), text.cend(), [this](QChar c) { return !allowed_(c); });
    }

    void changed(const QString& text) {
        shown_ = text;
        // The program's next text that fits brings the width back after a longer one.
        if (field_->maxLength() > width_ && text.size() <= width_ && !replaying_ && !field_->isModified())
            field_->setMaxLength(width_);
    }

    // Qt says so after this rule refused an edit; otherwise it has just cut an insertion to the maximum
    // length, and the edit is refused when it is judged, unless nothing changed (the field was full).
    void rejected() {
        if (std::exchange(refusing_, false))
            return;
        if (field_->text() != shown_)
            cut_ = true;
    }

    // The pasted text without blanks and line ends around it, inserted as one undo step, as Qt's own paste.
    void paste(const QString& text) {
        const QString trimmed = Trim(text);
        if (trimmed.isEmpty())
            return;
        closeUndoStep();
        field_->insert(trimmed);
        closeUndoStep();
    }

    // QLineEdit::insert joins the undo step of the typing before it; a cursor move closes a step. A selection
    // needs none: removing it closes the step.
    void closeUndoStep() {
        if (field_->hasSelectedText() || field_->text().isEmpty())
            return;
        const int at = field_->cursorPosition();
        field_->setCursorPosition(at > 0 ? at - 1 : at + 1);
        field_->setCursorPosition(at);
    }

    // An undo or a redo only goes back to texts the field held: none is refused.
    void replay(bool redo) {
        replaying_ = true;
        if (redo)
            field_->redo();
        else
            field_->undo();
        replaying_ = false;
    }

    // The field's own menu, its Paste, Undo and Redo through this rule. Qt connects them by signature.
    void showMenu(const QPoint& at) {
        QMenu* menu = field_->createStandardContextMenu();
        for (QAction* action : menu->actions()) {
            if (disconnect(action, SIGNAL(triggered()), field_, SLOT(paste())))
                connect(action, &QAction::triggered, this, [this] { paste(platform::clipboardText()); });
            else if (disconnect(action, SIGNAL(triggered()), field_, SLOT(undo())))
                connect(action, &QAction::triggered, this, [this] { replay(false); });
            else if (disconnect(action, SIGNAL(triggered()), field_, SLOT(redo())))
                connect(action, &QAction::triggered, this, [this] { replay(true); });
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(at);
    }

    // A dropped text with blanks or line ends around it comes in again without them.
    bool dropTrimmed(QDropEvent* drop) {
        const QString text = drop->mimeData()->text();
        const QString trimmed = Trim(text);
        if (trimmed == text)
            return false;
        if (trimmed.isEmpty()) {
            drop->ignore();
            return true;
        }
        QMimeData data;
        data.setText(trimmed);
        QDropEvent again(drop->position(), drop->possibleActions(), &data, drop->buttons(),
                         drop->modifiers());
        again.setDropAction(drop->dropAction());
        QCoreApplication::sendEvent(field_, &again);
        drop->setDropAction(again.dropAction());
        drop->setAccepted(again.isAccepted());
        return true;
    }

    QLineEdit* field_;
    CharFilter allowed_;
    int width_;
    QString shown_;
    mutable bool cut_ = false;
    mutable bool refusing_ = false;
    bool replaying_ = false;
};

void withoutCompletion(QComboBox* list) {
    list->setCompleter(nullptr);
    list->setInsertPolicy(QComboBox::NoInsert);
}

} // namespace

void filterField(QLineEdit* field, CharFilter allowed) {
    new EditRule(field, std::move(allowed));
}

void showWhole(QLineEdit* field, const QString& text) {
    if (const auto* rule = dynamic_cast<const EditRule*>(field->validator()))
        field->setMaxLength(std::max(rule->width(), int(text.size())));
    field->setText(text);
}

void keepTypedText(QComboBox* list) {
    withoutCompletion(list);
}

void takeOnlyFromList(QComboBox* list) {
    withoutCompletion(list);
    QLineEdit* text = list->lineEdit();
    text->setAcceptDrops(false);
    new EditRule(text, {});
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
