#include "common/ControlText.h"

#include "common/Failure.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace common {

void writeControlText(QWidget* window, const QString& controlName, const QString& text) {
    QWidget* control = window ? window->findChild<QWidget*>(controlName) : nullptr;
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(text);
    else if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->isEditable())
        combo->setEditText(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(control))
        plain->setPlainText(text);
    else if (auto* rich = qobject_cast<QTextEdit*>(control))
        rich->setPlainText(text);
    else
        throw Failure("no text control named " + controlName.toStdString());
}

} // namespace common
