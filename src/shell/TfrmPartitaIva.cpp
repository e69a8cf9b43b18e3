#include "shell/TfrmPartitaIva.h"

#include "common/Text.h"
#include "platform/Dialogs.h"
#include "shell/TaxCodes.h"
#include "shell/TypingLimit.h"
#include "ui_TfrmPartitaIva.h"

#include <QKeyEvent>

namespace {
constexpr int kPartitaIvaLength = 11;
}

TfrmPartitaIva::TfrmPartitaIva(QWidget* owner)
    : common::Dialog(owner)
    , ui(std::make_unique<Ui::frmPartitaIva>()) {
    ui->setupUi(this);
    setNoTitleButtons();
    setFixedSize(size());
    setCentredOnScreen(true);
    new shell::TypingLimit(ui->txtPartitaIva, kPartitaIvaLength);
    ui->txtPartitaIva->installEventFilter(this);
    connect(ui->btnControlla, &QPushButton::clicked, this, &TfrmPartitaIva::btnControllaClick);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &TfrmPartitaIva::btnChiudiClick);
}

TfrmPartitaIva::~TfrmPartitaIva() = default;

void TfrmPartitaIva::FormShow() {
    ui->txtPartitaIva->setFocus();
}

bool TfrmPartitaIva::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->txtPartitaIva && event->type() == QEvent::KeyPress &&
        txtPartitaIvaKeyDown(static_cast<QKeyEvent*>(event)))
        return true;
    return common::Dialog::eventFilter(watched, event);
}

bool TfrmPartitaIva::txtPartitaIvaKeyDown(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        ui->btnControlla->setFocus();
        return true;
    }
    // Only digits and the four editing keys reach the edit; shortcuts are swallowed too.
    const bool editing = key == Qt::Key_Backspace || key == Qt::Key_Delete || key == Qt::Key_Left ||
                         key == Qt::Key_Right || key == Qt::Key_Tab || key == Qt::Key_Backtab;
    const QString text = event->text();
    const bool digit = text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9') &&
                       !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    return !editing && !digit;
}

void TfrmPartitaIva::btnControllaClick() {
    const QString s = common::UpperAZ(ui->txtPartitaIva->text());
    if (s.size() != kPartitaIvaLength) {
        platform::showKinded(this, platform::MsgKind::Warning,
                             QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri "
                                            "numerici."));
        ui->txtPartitaIva->setFocus();
        return;
    }
    if (shell::IsValidPartitaIva(s)) {
        const QString office = shell::vatOffice(common::Mid(s, 8, 3));
        platform::showKinded(
            this, platform::MsgKind::Information,
            QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato "
                           "rilasciato dall'Ufficio IVA del Comune di ") +
                office + QLatin1Char('.'));
    } else {
        platform::showKinded(
            this, platform::MsgKind::Warning,
            QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                           "Non è quindi possibile fornire informazioni relative all'Ufficio IVA "
                           "che lo ha rilasciato."));
    }
    close();
}

void TfrmPartitaIva::btnChiudiClick() {
    close();
}

void TfrmPartitaIva::setNumber(const QString& number) {
    ui->txtPartitaIva->setText(number);
}
