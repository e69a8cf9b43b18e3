#include "common/ControlText.h"

#include "common/Failure.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace common {

bool setControlText(QWidget* control, const QString& text) {
    // A one-line field shows the beginning of its text, not the end where setText leaves the cursor.
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
        edit->setCursorPosition(0);
    } else if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->isEditable()) {
        combo->setEditText(text);
        combo->lineEdit()->setCursorPosition(0);
    } else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(control))
        plain->setPlainText(text);
    else if (auto* rich = qobject_cast<QTextEdit*>(control))
        rich->setPlainText(text);
    else
        return false;
    return true;
}

QString controlText(const QWidget* control) {
    if (auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText();
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(control))
        return plain->toPlainText();
    if (auto* rich = qobject_cast<const QTextEdit*>(control))
        return rich->toPlainText();
    return QString();
}

void writeControlText(QWidget* window, const QString& controlName, const QString& text) {
    QWidget* control = window ? window->findChild<QWidget*>(controlName) : nullptr;
    if (!setControlText(control, text))
        throw Failure("no text control named " + controlName.toStdString());
}

} // namespace common
