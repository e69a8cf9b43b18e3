#include "shell/TfrmCambiaPassword.h"

#include "common/CommandTable.h"
#include "common/Look.h"
#include "common/Pictures.h"
#include "common/Text.h"
#include "common/WindowRegistry.h"
#include "platform/Dialogs.h"
#include "platform/IniFile.h"
#include "shell/Crypt.h"
#include "shell/TfrmPassword.h"
#include "ui_TfrmCambiaPassword.h"

#include <QKeyEvent>
#include <QLabel>

using common::Trim;

namespace {

// The scrambling keeps 8 bits of a character and counts at most 255 of them.
constexpr int kMaxPasswordLength = 255;

bool storable(const QString& password) {
    for (const QChar c : password)
        if (c.unicode() > 0xFF)
            return false;
    return true;
}

} // namespace

TfrmCambiaPassword::TfrmCambiaPassword(QWidget* parent)
    : common::Form(parent)
    , ui(std::make_unique<Ui::frmCambiaPassword>()) {
    ui->setupUi(this);
    setNoTitleButtons();
    setFixedSize(size());
    setCentredOnScreen(true);
    common::drawOnFirstShow(ui->imgLogo, [](QWidget* logo) {
        static_cast<QLabel*>(logo)->setPixmap(common::logoPicture(logo->size()));
    });
    for (QWidget* mark : {ui->effPasswordOld, ui->effPasswordNew, ui->effConferma})
        common::markFocusRectangle(mark);
    for (QLineEdit* edit : {ui->txtPasswordOld, ui->txtPasswordNew, ui->txtConferma})
        edit->installEventFilter(this);
    connect(ui->txtPasswordOld, &QLineEdit::textChanged, this, &TfrmCambiaPassword::txtPasswordOldChange);
    connect(ui->txtPasswordNew, &QLineEdit::textChanged, this, &TfrmCambiaPassword::txtPasswordNewChange);
    connect(ui->txtConferma, &QLineEdit::textChanged, this, &TfrmCambiaPassword::txtConfermaChange);
    connect(ui->cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdOKClick);
    connect(ui->cmdEsci, &QPushButton::clicked, this, &TfrmCambiaPassword::cmdEsciClick);
}

TfrmCambiaPassword::~TfrmCambiaPassword() = default;

void TfrmCambiaPassword::FormShow() {
    ui->txtPasswordOld->clear();
    ui->txtPasswordNew->clear();
    ui->txtConferma->clear();
    ui->lblMemory->clear();
    ui->txtPasswordOld->setFocus();
}

void TfrmCambiaPassword::FormClose() {
    hide();
    if (auto* login = common::sharedWindow<TfrmPassword>(QStringLiteral("frmPassword"))) {
        login->showEmpty();
    }
}

const TfrmCambiaPassword::EditHandlers* TfrmCambiaPassword::handlersOf(QObject* edit) const {
    using T = TfrmCambiaPassword;
    static const EditHandlers oldP{&T::txtPasswordOldKeyDown, &T::txtPasswordOldKeyUp,
                                   &T::txtPasswordOldEnter, &T::txtPasswordOldExit};
    static const EditHandlers newP{&T::txtPasswordNewKeyDown, &T::txtPasswordNewKeyUp,
                                   &T::txtPasswordNewEnter, &T::txtPasswordNewExit};
    static const EditHandlers conferma{&T::txtConfermaKeyDown, &T::txtConfermaKeyUp, &T::txtConfermaEnter,
                                       &T::txtConfermaExit};
    if (edit == ui->txtPasswordOld)
        return &oldP;
    if (edit == ui->txtPasswordNew)
        return &newP;
    if (edit == ui->txtConferma)
        return &conferma;
    return nullptr;
}

bool TfrmCambiaPassword::eventFilter(QObject* watched, QEvent* event) {
    if (const EditHandlers* h = handlersOf(watched)) {
        switch (event->type()) {
        case QEvent::KeyPress:
            if ((this->*h->keyDown)(static_cast<QKeyEvent*>(event)))
                return true;
            break;
        case QEvent::KeyRelease:
            (this->*h->keyUp)();
            break;
        case QEvent::FocusIn:
            (this->*h->enter)();
            break;
        case QEvent::FocusOut:
            (this->*h->exit)();
            break;
        default:
            break;
        }
    }
    return common::Form::eventFilter(watched, event);
}

// Enter moves the focus round the ring old -> new -> confirmation -> old; it never runs OK.
bool TfrmCambiaPassword::focusOnEnter(QKeyEvent* event, QLineEdit* next) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    next->setFocus();
    return true;
}

bool TfrmCambiaPassword::txtPasswordOldKeyDown(QKeyEvent* event) {
    return focusOnEnter(event, ui->txtPasswordNew);
}
bool TfrmCambiaPassword::txtPasswordNewKeyDown(QKeyEvent* event) {
    return focusOnEnter(event, ui->txtConferma);
}
bool TfrmCambiaPassword::txtConfermaKeyDown(QKeyEvent* event) {
    return focusOnEnter(event, ui->txtPasswordOld);
}

void TfrmCambiaPassword::txtPasswordOldKeyUp() {
    updateOK();
}
void TfrmCambiaPassword::txtPasswordNewKeyUp() {
    updateOK();
}
void TfrmCambiaPassword::txtConfermaKeyUp() {
    updateOK();
}

void TfrmCambiaPassword::txtPasswordOldEnter() {
    ui->effPasswordOld->setVisible(true);
}
void TfrmCambiaPassword::txtPasswordOldExit() {
    ui->effPasswordOld->setVisible(false);
}
void TfrmCambiaPassword::txtPasswordNewEnter() {
    ui->effPasswordNew->setVisible(true);
}
void TfrmCambiaPassword::txtPasswordNewExit() {
    ui->effPasswordNew->setVisible(false);
}
void TfrmCambiaPassword::txtConfermaEnter() {
    ui->effConferma->setVisible(true);
}
void TfrmCambiaPassword::txtConfermaExit() {
    ui->effConferma->setVisible(false);
}

void TfrmCambiaPassword::updateOK() {
    ui->cmdOK->setEnabled(!Trim(ui->txtPasswordOld->text()).isEmpty() &&
                          !Trim(ui->txtPasswordNew->text()).isEmpty() &&
                          !Trim(ui->txtConferma->text()).isEmpty());
}

void TfrmCambiaPassword::txtPasswordOldChange() {
    updateOK();
}
void TfrmCambiaPassword::txtPasswordNewChange() {
    updateOK();
}
void TfrmCambiaPassword::txtConfermaChange() {
    updateOK();
}

void TfrmCambiaPassword::cmdOKClick() {
    try {
        const QString path = shell::passwordFilePath();
        const QString section = QLatin1String(shell::kPasswordSection);
        const QString key = QLatin1String(shell::kPasswordKey);
        ui->lblMemory->setText(platform::readProfileString(path, section, key, QString()));
        ui->lblMemory->setText(shell::DecryptPassword(ui->lblMemory->text()));
        const QString stored = Trim(ui->lblMemory->text());

        if (stored != Trim(common::UpperAZ(ui->txtPasswordOld->text()))) {
            platform::showPlain(this, QStringLiteral("Attenzione: vecchia password errata."));
            ui->txtPasswordOld->clear();
            ui->txtPasswordOld->setFocus();
            return;
        }
        if (Trim(ui->txtPasswordNew->text()) != Trim(ui->txtConferma->text())) {
            platform::showPlain(this,
                                QStringLiteral("Attenzione: la nuova password non è stata confermata "
                                               "correttamente. E' necessario reinserire entrambi i valori."));
            ui->txtPasswordNew->clear();
            ui->txtConferma->clear();
            ui->txtPasswordNew->setFocus();
            return;
        }
        const QString chosen = Trim(common::UpperAZ(ui->txtPasswordNew->text()));
        // A password the scrambling cannot hold would lock the user out.
        if (chosen.size() > kMaxPasswordLength || !storable(chosen)) {
            platform::showPlain(this,
                                chosen.size() > kMaxPasswordLength
                                    ? QStringLiteral("Attenzione: la nuova password non può superare i "
                                                     "255 caratteri. E' necessario reinserire entrambi i "
                                                     "valori.")
                                    : QStringLiteral("Attenzione: la nuova password contiene caratteri non "
                                                     "ammessi. E' necessario reinserire entrambi i valori."));
            ui->txtPasswordNew->clear();
            ui->txtConferma->clear();
            ui->txtPasswordNew->setFocus();
            return;
        }
        ui->lblMemory->setText(chosen);
        ui->lblMemory->setText(shell::EncryptPassword(ui->lblMemory->text()));
        if (!platform::writeProfileString(path, section, key, Trim(ui->lblMemory->text())))
            throw std::runtime_error("password file not written");
    } catch (const std::exception&) {
        platform::showPlain(this,
                            QStringLiteral("Attenzione: si è verificato un errore durante la procedura di "
                                           "modifica della password. Si consiglia di reinstallare il "
                                           "software."));
        return;
    }
    platform::showPlain(this, QStringLiteral("Modifica della password completata con successo."));
    close();
}

void TfrmCambiaPassword::cmdEsciClick() {
    close();
}
