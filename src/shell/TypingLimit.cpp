#include "shell/TypingLimit.h"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>

namespace shell {

TypingLimit::TypingLimit(QLineEdit* edit, int limit)
    : QValidator(edit)
    , edit_(edit)
    , limit_(limit) {
    edit->installEventFilter(this);
    edit->setValidator(this);
}

bool TypingLimit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && (event->type() == QEvent::KeyPress || event->type() == QEvent::InputMethod)) {
        sizeBefore_ = edit_->text().size();
        // The edit handles the key right after this filter; then the program may set any text again.
        QTimer::singleShot(0, this, [this] { sizeBefore_ = std::numeric_limits<qsizetype>::max(); });
    }
    return QValidator::eventFilter(watched, event);
}

QValidator::State TypingLimit::validate(QString& input, int&) const {
    // Past the limit only a change that shortens the text goes through, so a long preset can be corrected.
    if (input.size() > limit_ && input.size() >= sizeBefore_)
        return Invalid;
    return Acceptable;
}

} // namespace shell
