#include "shell/TfrmCodFisc.h"

#include "common/Text.h"
#include "platform/Dialogs.h"
#include "shell/TaxCodes.h"
#include "shell/TypingLimit.h"
#include "ui_TfrmCodFisc.h"

#include <QKeyEvent>

namespace {
constexpr int kCodFiscLength = 16;
}

TfrmCodFisc::TfrmCodFisc(QWidget* owner)
    : common::Dialog(owner)
    , ui(std::make_unique<Ui::frmCodFisc>()) {
    ui->setupUi(this);
    setNoTitleButtons();
    setFixedSize(size());
    setCentredOnScreen(true);
    new shell::TypingLimit(ui->txtCodFisc, kCodFiscLength);
    ui->txtCodFisc->installEventFilter(this);
    connect(ui->txtCodFisc, &QLineEdit::textEdited, this, &TfrmCodFisc::txtCodFiscTyping);
    connect(ui->btnControlla, &QPushButton::clicked, this, &TfrmCodFisc::btnControllaClick);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &TfrmCodFisc::btnChiudiClick);
}

TfrmCodFisc::~TfrmCodFisc() = default;

void TfrmCodFisc::FormShow() {
    ui->txtCodFisc->setFocus();
}

bool TfrmCodFisc::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->txtCodFisc && event->type() == QEvent::KeyPress &&
        txtCodFiscKeyDown(static_cast<QKeyEvent*>(event)))
        return true;
    return common::Dialog::eventFilter(watched, event);
}

bool TfrmCodFisc::txtCodFiscKeyDown(QKeyEvent* event) {
    // Enter moves on to Controlla without pressing it.
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    ui->btnControlla->setFocus();
    return true;
}

void TfrmCodFisc::txtCodFiscTyping() {
    QLineEdit* edit = ui->txtCodFisc;
    const QString typed = edit->text();
    const QString tidy = common::Trim(common::UpperAZ(typed));
    if (tidy == typed)
        return;
    // Keep the cursor where it was, less the blanks trimmed before it.
    int leading = 0;
    while (leading < typed.size() && typed.at(leading).unicode() <= 32)
        ++leading;
    const int cursor = qBound(0, edit->cursorPosition() - leading, int(tidy.size()));
    edit->setText(tidy);
    edit->setCursorPosition(cursor);
}

void TfrmCodFisc::btnControllaClick() {
    const QString s = common::UpperAZ(ui->txtCodFisc->text());
    if (s.size() != kCodFiscLength) {
        platform::showKinded(
            this, platform::MsgKind::Warning,
            QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri "
                           "alfanumerici."));
        ui->txtCodFisc->setFocus();
        return;
    }
    if (shell::IsValidCodFisc(s))
        platform::showKinded(this, platform::MsgKind::Information,
                             QStringLiteral("Il codice fiscale digitato è VALIDO."));
    else
        platform::showKinded(this, platform::MsgKind::Warning,
                             QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO."));
    close();
}

void TfrmCodFisc::btnChiudiClick() {
    close();
}

void TfrmCodFisc::setCode(const QString& code) {
    ui->txtCodFisc->setText(code);
}
