#include "shell/TfrmPassword.h"

#include "common/CommandTable.h"
#include "common/Failure.h"
#include "common/Look.h"
#include "common/Pictures.h"
#include "common/Text.h"
#include "common/WindowRegistry.h"
#include "platform/Dialogs.h"
#include "platform/IniFile.h"
#include "platform/Program.h"
#include "shell/Crypt.h"
#include "ui_TfrmPassword.h"

#include <QKeyEvent>
#include <QLabel>

using common::Trim;

TfrmPassword::TfrmPassword(QWidget* parent)
    : common::Form(parent)
    , ui(std::make_unique<Ui::frmPassword>()) {
    ui->setupUi(this);
    setNoTitleButtons(SystemClose::Refused);
    setFixedSize(size());
    setCentredOnScreen(true);
    common::drawOnFirstShow(ui->imgLogo, [](QWidget* logo) {
        static_cast<QLabel*>(logo)->setPixmap(common::logoPicture(logo->size()));
    });
    common::markFocusRectangle(ui->effPassword);
    ui->txtPassword->installEventFilter(this);
    connect(ui->txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::txtPasswordChange);
    connect(ui->cmdOK, &QPushButton::clicked, this, &TfrmPassword::cmdOKClick);
    connect(ui->cmdEsci, &QPushButton::clicked, this, &TfrmPassword::cmdEsciClick);
    connect(ui->btnCambiaPassword, &QPushButton::clicked, this, &TfrmPassword::btnCambiaPasswordClick);
}

TfrmPassword::~TfrmPassword() = default;

void TfrmPassword::FormShow() {
    ui->txtPassword->setFocus();
}

bool TfrmPassword::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->txtPassword) {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (txtPasswordKeyDown(static_cast<QKeyEvent*>(event)))
                return true;
            break;
        case QEvent::KeyRelease:
            txtPasswordKeyUp();
            break;
        case QEvent::FocusIn:
            txtPasswordEnter();
            break;
        case QEvent::FocusOut:
            txtPasswordExit();
            break;
        default:
            break;
        }
    }
    return common::Form::eventFilter(watched, event);
}

bool TfrmPassword::txtPasswordKeyDown(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    if (!Trim(ui->txtPassword->text()).isEmpty())
        cmdOKClick();
    return true;
}

void TfrmPassword::txtPasswordChange() {
    ui->cmdOK->setEnabled(!Trim(ui->txtPassword->text()).isEmpty());
}

void TfrmPassword::txtPasswordKeyUp() {
    txtPasswordChange();
}

void TfrmPassword::txtPasswordEnter() {
    ui->effPassword->setVisible(true);
}

void TfrmPassword::txtPasswordExit() {
    ui->effPassword->setVisible(false);
}

void TfrmPassword::cmdOKClick() {
    QString stored;
    try {
        ui->lblMemory->setText(platform::readProfileString(shell::passwordFilePath(),
                                                           QLatin1String(shell::kPasswordSection),
                                                           QLatin1String(shell::kPasswordKey), QString()));
        ui->lblMemory->setText(shell::DecryptPassword(ui->lblMemory->text()));
        stored = Trim(ui->lblMemory->text());
    } catch (const std::exception&) {
        platform::showPlain(
            this, QStringLiteral("Attenzione: si è verificato un errore durante la procedura di "
                                 "lettura della password. Si consiglia di reinstallare il software."));
        return;
    }
    const QString typed = Trim(common::UpperAZ(ui->txtPassword->text()));
    if (typed == stored) {
        if (QWidget* menu = common::sharedWindow(QStringLiteral("frmAvvio")))
            menu->show();
        hide();
        return;
    }
    platform::showPlain(this, QStringLiteral("Attenzione: password errata."));
    ui->txtPassword->clear();
    ui->txtPassword->setFocus();
}

void TfrmPassword::btnCambiaPasswordClick() {
    if (QWidget* change = common::sharedWindow(QStringLiteral("frmCambiaPassword")))
        change->show();
    hide();
}

void TfrmPassword::cmdEsciClick() {
    close();
    platform::endProgram();
}

void TfrmPassword::showEmpty() {
    ui->txtPassword->clear();
    ui->lblMemory->clear();
    show();
    ui->txtPassword->setFocus();
}
