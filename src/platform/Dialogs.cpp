#include "platform/Dialogs.h"

#include <QFontMetrics>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {

std::function<std::optional<QString>(const TextPrompt&)>& textPromptAnswer() {
    static std::function<std::optional<QString>(const TextPrompt&)> answer;
    return answer;
}

int run(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    if (auto* b = box.button(QMessageBox::Ok))
        b->setText(QStringLiteral("OK"));
    if (auto* b = box.button(QMessageBox::Cancel))
        b->setText(QStringLiteral("Annulla"));
    // Italian whether or not Qt's translations are loaded, with the mnemonics they give.
    if (auto* b = box.button(QMessageBox::Yes))
        b->setText(QStringLiteral("&Sì"));
    if (auto* b = box.button(QMessageBox::No))
        b->setText(QStringLiteral("&No"));
    return box.exec();
}

// How wide a window must be for the window system to show its caption whole in the title bar, beside an
// icon and up to three buttons, each about as wide as the bar is high.
int titleBarWidth(const QWidget* window) {
    QFont font = window->font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int item = metrics.height() + 10;
    return metrics.horizontalAdvance(window->windowTitle()) + 5 * item;
}

} // namespace

void showKinded(QWidget* parent, MsgKind kind, const QString& text) {
    switch (kind) {
    case MsgKind::Warning:
        run(parent, QMessageBox::Warning, QStringLiteral("Attenzione"), text,
            QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MsgKind::Information:
        run(parent, QMessageBox::Information, QStringLiteral("Informazione"), text,
            QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MsgKind::Error:
        run(parent, QMessageBox::Critical, QStringLiteral("Errore"), text,
            QMessageBox::Ok | QMessageBox::Cancel);
        break;
    }
}

bool askYesNo(QWidget* parent, const QString& text) {
    return run(parent, QMessageBox::Question, QStringLiteral("Conferma"), text,
               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void showPlain(QWidget* parent, const QString& text) {
    run(parent, QMessageBox::NoIcon, QStringLiteral("Veicolario"), text, QMessageBox::Ok);
}

void showError(QWidget* parent, const QString& text) {
    run(parent, QMessageBox::Critical, QStringLiteral("Veicolario"), text, QMessageBox::Ok);
}

void setTextPromptAnswerForTests(std::function<std::optional<QString>(const TextPrompt&)> answer) {
    textPromptAnswer() = std::move(answer);
}

std::optional<QString> askText(QWidget* parent, const TextPrompt& prompt) {
    if (textPromptAnswer())
        return textPromptAnswer()(prompt);
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("dlgTesto"));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(prompt.caption);
    dialog.setLabelText(prompt.label);
    dialog.setTextValue(prompt.preset);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annulla"));
    // The dialog sizes itself to its controls: the field is widened so that the caption fits.
    if (auto* field = dialog.findChild<QLineEdit*>()) {
        const QMargins margins = dialog.layout() ? dialog.layout()->contentsMargins() : QMargins();
        field->setMinimumWidth(titleBarWidth(&dialog) - margins.left() - margins.right());
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

} // namespace platform
