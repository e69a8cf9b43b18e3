#include "maintenance/TfrmScadenzario.h"

#include "common/CardFields.h"
#include "common/Clock.h"
#include "common/CommandTable.h"
#include "common/ControlText.h"
#include "common/FieldFilter.h"
#include "common/Help.h"
#include "common/Look.h"
#include "common/Numbers.h"
#include "common/Placement.h"
#include "common/StatusHints.h"
#include "common/Text.h"
#include "common/WindowRegistry.h"
#include "fleet/TfrmTrovaAutomezzi.h"
#include "maintenance/AppointmentSheet.h"
#include "maintenance/SchedaScadenza.h"
#include "maintenance/ScheduleExports.h"
#include "maintenance/ScheduleLists.h"
#include "platform/Dialogs.h"
#include "platform/MediaPlayer.h"
#include "platform/PrintJob.h"
#include "platform/ProgramFolder.h"
#include "platform/Report.h"
#include "shell/TaxCodes.h"
#include "ui_TfrmScadenzario.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

using namespace maintenance::SchedaScadenza;
using platform::MsgKind;

namespace {

const QString kCaption = QStringLiteral(" Veicolario - Scadenzario Manutenzioni");
const QString kYearRefused = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");
const QString kRequired = QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare ");
const QString kMonthRefused =
    QStringLiteral("Attenzione: selezionare il mese dal menu a cascata.\n\r\n\rPer "
                   "poter salvare la scheda è necessario indicare una data valida.");

QStringList twoDigits(int from, int to) {
    QStringList items;
    for (int i = from; i <= to; ++i)
        items << QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
    return items;
}

} // namespace

TfrmScadenzario::TfrmScadenzario(QWidget* parent)
    : common::Form(parent)
    , common::CardForm(this, nullptr,
                       common::CardMessages{common::kAppendedSalvata, MsgKind::Error, MsgKind::Error})
    , ui(std::make_unique<Ui::frmScadenzario>()) {
    ui->setupUi(this);
    setPositionLabel(ui->lblPosizione);
    setWindowState(Qt::WindowMaximized);
    common::setBackground(this, QColor(0x46, 0x82, 0xB4));
    common::setBackground(ui->panAvvio, Qt::white);
    common::setBackground(ui->panContainer, Qt::white);
    common::setBackground(ui->imgAssenti, QColor(0xD8, 0xF0, 0xD8));
    common::setBackground(ui->imgPresenti, QColor(0xFF, 0xD7, 0x80));
    ui->panContainer->hide();
    common::keepCentred(ui->panAvvio);
    common::keepCentred(ui->panContainer);
    ui->calAppuntamenti->setSelectedDate(common::today());

    controls_ = {ui->txtGiorno,     ui->txtMese,         ui->lblAnno,     ui->lblData,
                 ui->txtOreApp,     ui->txtMinutiApp,    ui->lblOra,      ui->txtAvviso,
                 ui->txtConducente, ui->txtCodFisc,      ui->txtRecapito, ui->txtVeicolo,
                 ui->txtMarca,      ui->txtModello,      ui->txtColore,   ui->txtAlimentazione,
                 ui->txtTarga,      ui->txtManutenzione, ui->txtDettagli, ui->txtOfficina,
                 ui->txtCosto,      ui->txtContatto,     ui->txtNote};
    Q_ASSERT(controls_.size() == AppDaConfermare);

    lists_ = {ui->txtGiorno, ui->txtMese, ui->txtOreApp, ui->txtMinutiApp};
    ui->txtGiorno->addItems(twoDigits(1, 31));
    ui->txtMese->addItems(maintenance::monthNames());
    ui->txtOreApp->addItems(twoDigits(0, 23));
    ui->txtMinutiApp->addItems(twoDigits(0, 59));
    const int widths[] = {2, 10, 2, 2};
    for (int i = 0; i < lists_.size(); ++i) {
        QComboBox* list = lists_.at(i);
        list->lineEdit()->setMaxLength(widths[i]);
        common::takeOnlyFromList(list);
        list->setCurrentIndex(-1);
    }
    ui->txtOreApp->setEditText(QStringLiteral("00"));
    ui->txtMinutiApp->setEditText(QStringLiteral("00"));
    ui->txtCosto->setText(QStringLiteral("0,00"));
    common::filterField(ui->txtAvviso, common::isDigitChar);
    common::filterField(ui->txtCosto, common::isAmountChar);
    common::filterField(ui->txtAnno, common::isDigitChar);

    // Enter order, with the yellow highlight behind the focused field; this window's filter sees the keys
    // first.
    const QList<QWidget*> enterOrder{
        ui->txtGiorno,     ui->txtMese,     ui->txtOreApp,        ui->txtMinutiApp, ui->txtAvviso,
        ui->txtConducente, ui->txtCodFisc,  ui->txtRecapito,      ui->txtVeicolo,   ui->txtMarca,
        ui->txtModello,    ui->txtColore,   ui->txtAlimentazione, ui->txtTarga,     ui->txtManutenzione,
        ui->txtDettagli,   ui->txtOfficina, ui->txtCosto,         ui->txtContatto,  ui->txtNote};
    fields_ = new common::CardFields(this);
    fields_->addRun(enterOrder, std::nullopt, this);
    ui->txtAnno->installEventFilter(this);
    for (QLineEdit* upper : {ui->txtCodFisc, ui->txtTarga})
        connect(upper, &QLineEdit::textEdited, this, [upper] { common::upperCaseTyped(upper); });

    for (QToolButton* arrow : {ui->cmdPrimo, ui->cmdIndietro, ui->cmdAvanti, ui->cmdUltimo})
        arrow->setToolButtonStyle(Qt::ToolButtonIconOnly);

    player_ = new platform::MediaPlayer(this);
    player_->setObjectName(QStringLiteral("MediaPlayer"));

    using common::Command;
    using common::commandPicture;
    using W = TfrmScadenzario;
    static const common::CommandTable<W> kCommands{
        {"cmdNuovo", commandPicture(Command::New, 26),
         "Prepara la schermata per la registrazione di una nuova scheda.", &W::cmdNuovoClick},
        {"cmdDuplica", commandPicture(Command::Duplicate, 26),
         "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.",
         &W::cmdDuplicaClick},
        {"cmdImporta", commandPicture(Command::Import, 26), "Importa i dati dal parco automezzi.",
         &W::cmdImportaClick},
        {"cmdSalva", commandPicture(Command::Save, 26), "Salva la scheda corrente in archivio.",
         &W::cmdSalvaClick},
        {"cmdTrova", commandPicture(Command::Find, 26), "Trova una scheda in archivio.", &W::cmdTrovaClick},
        {"cmdStampa", commandPicture(Command::Print, 26), "Stampa la scheda corrente.", &W::cmdStampaClick},
        {"cmdPrimo", commandPicture(Command::First, 26), "Visualizza la prima scheda in archivio.",
         &W::cmdPrimoClick},
        {"cmdIndietro", commandPicture(Command::Previous, 26), "Visualizza la scheda precedente in archivio.",
         &W::cmdIndietroClick},
        {"cmdAvanti", commandPicture(Command::Next, 26), "Visualizza la scheda successiva in archivio.",
         &W::cmdAvantiClick},
        {"cmdUltimo", commandPicture(Command::Last, 26), "Visualizza l'ultima scheda in archivio.",
         &W::cmdUltimoClick},
        {"cmdEsporta", commandPicture(Command::Export, 26),
         "Esporta le schede in archivio in un file di Microsoft Excel.", &W::cmdEsportaClick},
        {"cmdDaConfermare", commandPicture(Command::Find, 26),
         "Visualizza l'elenco degli appuntamenti in attesa di conferma.", &W::cmdDaConfermareClick},
        {"cmdDaEffettuare", commandPicture(Command::Find, 26),
         "Visualizza il riepilogo delle manutenzioni da effettuare, sia scadute che non.",
         &W::cmdDaEffettuareClick},
        {"cmdEffettuate", commandPicture(Command::Find, 26),
         "Visualizza il riepilogo storico delle manutenzioni effettuate.", &W::cmdEffettuateClick},
        {"cmdGuida", commandPicture(Command::Help, 26),
         "Visualizza la pagina della guida sensibile al contesto.", &W::imgGuidaClick},
        {"cmdEsci", commandPicture(Command::Exit, 26), "Esci da questa schermata di lavoro.",
         &W::cmdEsciClick},
        {"btnCodFisc", commandPicture(Command::Find, 20), "Controlla il codice fiscale.",
         &W::btnCodFiscClick},
        {"imgGuida", commandPicture(Command::Help, 26), nullptr, &W::imgGuidaClick},
        {"imgEsci", commandPicture(Command::Exit, 26), nullptr, &W::imgEsciClick},
        {"btnGiorno", commandPicture(Command::Find, 26), nullptr, &W::btnGiornoClick},
        {"btnMese", commandPicture(Command::Find, 26), nullptr, &W::btnMeseClick},
        {"btnApri", {}, nullptr, &W::btnApriClick},
        {"btnOK", {}, nullptr, &W::btnOKClick},
    };
    hints_ = new common::StatusHints(ui->panInfo, this);
    common::installCommands(this, kCommands, hints_);
    hints_->add(
        ui->chkDaConfermare,
        QString::fromUtf8("Spunta questa casella per annotare che l'appuntamento è in attesa di conferma."));
    hints_->add(
        ui->chkEffettuata,
        QString::fromUtf8("Spunta questa casella per annotare che la manutenzione è stata effettuata."));
    for (QWidget* field : enterOrder)
        hints_->addQuiet(field);
    hints_->addBackgroundTree(ui->panContainer);
}

TfrmScadenzario::~TfrmScadenzario() = default;

QString TfrmScadenzario::yearFile() const {
    return common::Trim(ui->lblFile->text());
}

QDate TfrmScadenzario::calendarDate() const {
    return ui->calAppuntamenti->selectedDate();
}

void TfrmScadenzario::setVehicle(const common::PickedVehicle& vehicle) {
    ui->txtVeicolo->setText(vehicle.tipo);
    ui->txtMarca->setText(vehicle.marca);
    ui->txtModello->setText(vehicle.modello);
    ui->txtColore->setText(vehicle.colore);
    ui->txtAlimentazione->setText(vehicle.alimentazione);
    ui->txtTarga->setText(vehicle.targa);
}

// Start panel.

void TfrmScadenzario::FormShow() {
    setWindowTitle(kCaption);
    ui->panContainer->hide();
    ui->panAvvio->show();
    ui->txtAnno->setText(QStringLiteral("%1").arg(common::today().year(), 4, 10, QLatin1Char('0')));
    ui->txtAnno->setFocus(Qt::OtherFocusReason);
    scanImminent();
}

void TfrmScadenzario::scanImminent() {
    try {
        const QDate today = common::today();
        int count = 0;
        {
            common::ArchiveFile file = maintenance::openYearFile(
                maintenance::yearFilePath(QStringLiteral("%1").arg(today.year(), 4, 10, QLatin1Char('0'))));
            // A record whose date or warning days cannot be read is skipped, not the end of the scan.
            if (file.count() > 0)
                count = maintenance::countImminent(file, today);
            file.close();
        }
        ui->imgAssenti->setVisible(count == 0);
        ui->imgPresenti->setVisible(count > 0);
        ui->btnOK->setEnabled(count > 0);
        if (count > 0) {
            player_->setFileName(platform::programPath(QStringLiteral("Avviso.mp3")));
            player_->play();
        }
    } catch (const std::exception&) {
        // Silent: the banners keep the last decision.
    }
}

void TfrmScadenzario::FormClose() {
    ui->panContainer->hide();
    ui->panAvvio->show();
    player_->stop();
    if (QWidget* menu = common::sharedWindow(QStringLiteral("frmAvvio")))
        menu->show();
    hide();
}

void TfrmScadenzario::btnApriClick() {
    const QString year = common::Trim(ui->txtAnno->text());
    if (!common::AnnoValido(ui->txtAnno->text())) {
        platform::showKinded(this, MsgKind::Warning, kYearRefused);
        ui->txtAnno->setFocus(Qt::OtherFocusReason);
        return;
    }
    ui->lblFile->setText(maintenance::yearFilePath(year));
    ui->lblAnno->setText(year);
    setWindowTitle(kCaption + QStringLiteral(" anno ") + year);
    ui->panAvvio->hide();
    ui->panContainer->show();
    newCard();
}

void TfrmScadenzario::imgGuidaClick() {
    common::showHelp(this, QStringLiteral("scadenzario"));
}

void TfrmScadenzario::imgEsciClick() {
    close();
}

void TfrmScadenzario::cmdEsciClick() {
    close();
}

// Lists opened from the window, each for one use.

void TfrmScadenzario::btnOKClick() {
    TfrmExpImminenti window(this);
    window.exec();
}

void TfrmScadenzario::btnGiornoClick() {
    TfrmExpGiornaliere window(this);
    window.exec();
}

void TfrmScadenzario::btnMeseClick() {
    TfrmExpMensili window(this);
    window.exec();
}

void TfrmScadenzario::cmdDaEffettuareClick() {
    TfrmConfermati window(this);
    window.exec();
}

void TfrmScadenzario::cmdEffettuateClick() {
    TfrmNonConfermati window(this);
    window.exec();
}

void TfrmScadenzario::cmdDaConfermareClick() {
    TfrmDaConfermare window(this);
    window.exec();
}

void TfrmScadenzario::cmdEsportaClick() {
    TfrmExpScadenzario window(this);
    window.exec();
}

void TfrmScadenzario::cmdTrovaClick() {
    TfrmTrovaScadenzario window(this);
    window.setCallerTag(QStringLiteral("Scadenzario"));
    window.exec();
}

void TfrmScadenzario::cmdImportaClick() {
    TfrmTrovaAutomezzi picker(this);
    picker.setCallerTag(QStringLiteral("scadenzario"));
    picker.exec();
}

void TfrmScadenzario::cmdStampaClick() {
    platform::guardPrint(this, platform::kPrintFailed, [this] {
        if (!sheet_)
            sheet_ = maintenance::makeSchedaInformativa();
        maintenance::fillSchedaInformativa(*sheet_, sheetValues());
        sheet_->print(this);
    });
}

QStringList TfrmScadenzario::sheetValues() const {
    auto text = [](const QWidget* field) { return common::trimmedText(field); };
    const QString si = maintenance::kSi, no = maintenance::kNo;
    return {text(ui->txtGiorno) + QLatin1Char(' ') + text(ui->txtMese) + QLatin1Char(' ') + text(ui->lblAnno),
            text(ui->txtOreApp) + QLatin1Char(':') + text(ui->txtMinutiApp),
            text(ui->txtAvviso),
            text(ui->txtConducente),
            text(ui->txtCodFisc),
            text(ui->txtRecapito),
            text(ui->txtVeicolo),
            text(ui->txtMarca),
            text(ui->txtModello),
            text(ui->txtColore),
            text(ui->txtAlimentazione),
            text(ui->txtTarga),
            text(ui->txtManutenzione),
            text(ui->txtDettagli),
            text(ui->txtOfficina),
            text(ui->txtCosto),
            text(ui->txtContatto),
            text(ui->txtNote),
            ui->chkDaConfermare->isChecked() ? si : no,
            ui->chkEffettuata->isChecked() ? si : no};
}

void TfrmScadenzario::btnCodFiscClick() {
    shell::openTaxCodeCheck(this, common::Trim(ui->txtCodFisc->text()));
}

// Card commands.

common::ArchiveFile TfrmScadenzario::openArchive() {
    return maintenance::openYearFile(yearFile());
}

void TfrmScadenzario::resetDateTime() {
    ui->txtGiorno->setEditText(QString());
    ui->txtMese->setEditText(QString());
    ui->txtOreApp->setEditText(QStringLiteral("00"));
    ui->txtMinutiApp->setEditText(QStringLiteral("00"));
    for (QComboBox* list : lists_)
        common::resetSelection(list);
}

void TfrmScadenzario::clearFields() {
    resetDateTime();
    for (QLineEdit* edit :
         {ui->txtAvviso, ui->txtConducente, ui->txtCodFisc, ui->txtRecapito, ui->txtVeicolo, ui->txtMarca,
          ui->txtModello, ui->txtColore, ui->txtAlimentazione, ui->txtTarga, ui->txtManutenzione,
          ui->txtDettagli, ui->txtOfficina, ui->txtContatto, ui->txtNote})
        edit->clear();
    ui->txtCosto->setText(QStringLiteral("0,00"));
    ui->chkDaConfermare->setChecked(false);
    ui->chkEffettuata->setChecked(false);
}

QWidget* TfrmScadenzario::firstField() const {
    return ui->txtGiorno;
}

void TfrmScadenzario::recordToFields(const common::Record& record) {
    for (int i = 0; i < controls_.size(); ++i)
        common::setControlText(controls_.at(i), record.get(i));
    const std::pair<QCheckBox*, int> flags[] = {{ui->chkDaConfermare, AppDaConfermare},
                                                {ui->chkEffettuata, Effettuata}};
    for (const auto& [box, field] : flags) {
        const QString flag = record.get(field);
        if (flag == maintenance::kSi)
            box->setChecked(true);
        else if (flag == maintenance::kNo)
            box->setChecked(false);
    }
}

void TfrmScadenzario::fieldsToRecord(common::Record& record) const {
    for (int i = 0; i < controls_.size(); ++i)
        record.set(i, common::controlText(controls_.at(i)));
    record.set(AppDaConfermare, ui->chkDaConfermare->isChecked() ? maintenance::kSi : maintenance::kNo);
    record.set(Effettuata, ui->chkEffettuata->isChecked() ? maintenance::kSi : maintenance::kNo);
}

void TfrmScadenzario::beforeSave() {
    for (QComboBox* list : lists_)
        common::resetSelection(list);
    if (common::Trim(ui->txtCosto->text()).isEmpty())
        ui->txtCosto->setText(QStringLiteral("0,00"));
}

bool TfrmScadenzario::checkBeforeSave() {
    auto text = [](const QWidget* field) { return common::trimmedText(field); };
    struct Check {
        bool fails;
        QWidget* field;
        const char* tail;
    };
    const Check checks[] = {
        {text(ui->txtGiorno).isEmpty(), ui->txtGiorno, "il giorno della scadenza."},
        {text(ui->txtGiorno).size() < 2, ui->txtGiorno, "il giorno della scadenza usando due cifre."},
        {text(ui->txtMese).isEmpty(), ui->txtMese, "il mese della scadenza."},
        {text(ui->txtOreApp).isEmpty(), ui->txtOreApp, "l'ora dell'appuntamento."},
        {text(ui->txtMinutiApp).isEmpty(), ui->txtMinutiApp, "i minuti dell'ora dell'appuntamento."},
        {text(ui->txtOreApp).size() < 2, ui->txtOreApp, "l'ora dell'appuntamento usando due cifre."},
        {text(ui->txtMinutiApp).size() < 2, ui->txtMinutiApp,
         "i minuti dell'ora dell'appuntamento usando due cifre."},
        {text(ui->txtAvviso).isEmpty(), ui->txtAvviso, "i giorni di preavviso."},
        {text(ui->txtVeicolo).isEmpty(), ui->txtVeicolo, "il tipo di veicolo."},
        {text(ui->txtMarca).isEmpty(), ui->txtMarca, "la marca del veicolo."},
        {text(ui->txtModello).isEmpty(), ui->txtModello, "il modello del veicolo."},
        {text(ui->txtTarga).isEmpty(), ui->txtTarga, "il numero di targa del veicolo."},
        {text(ui->txtManutenzione).isEmpty(), ui->txtManutenzione, "il tipo di manutenzione da effettuare."},
    };
    for (const Check& check : checks) {
        if (check.fails) {
            platform::showKinded(this, MsgKind::Warning, kRequired + QString::fromUtf8(check.tail));
            check.field->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    ui->lblOra->setText(text(ui->txtOreApp) + QLatin1Char(':') + text(ui->txtMinutiApp));
    const int month = maintenance::monthNumber(text(ui->txtMese));
    if (month == 0) {
        platform::showKinded(this, MsgKind::Warning, kMonthRefused);
        ui->txtMese->setFocus(Qt::OtherFocusReason);
        return false;
    }
    const QString date = text(ui->txtGiorno) + QLatin1Char('/') +
                         QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0')) + QLatin1Char('/') +
                         common::Trim(ui->lblAnno->text());
    ui->lblData->setText(date);
    if (!common::DataValida(date)) {
        platform::showPlain(this, QStringLiteral("Attenzione: la data ") + date +
                                      QStringLiteral(" non esiste.\n\r\n\rPer poter salvare la scheda è "
                                                     "necessario indicare una data valida."));
        ui->txtGiorno->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

void TfrmScadenzario::duplicateFields() {
    resetDateTime();
    ui->txtGiorno->setFocus(Qt::OtherFocusReason);
}

// Field keys and exits.

void TfrmScadenzario::fieldExit(QWidget* field) {
    if (auto* list = qobject_cast<QComboBox*>(field))
        common::keepOnlyListed(list);
    else if (field == ui->txtCosto)
        common::showWhole(ui->txtCosto, common::NormalizzaImporto(ui->txtCosto->text()));
}

bool TfrmScadenzario::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QWidget*>(watched);
    if (!field)
        return common::Form::eventFilter(watched, event);
    auto* list = qobject_cast<QComboBox*>(field);
    if (list && lists_.contains(list)) {
        if (event->type() == QEvent::KeyPress) {
            switch (common::pickListKey(*static_cast<QKeyEvent*>(event))) {
            case common::PickKey::Clear:
                list->setEditText(QString());
                return true;
            case common::PickKey::Swallow:
                return true;
            case common::PickKey::Pass:
            case common::PickKey::Enter:
                return false; // Enter moves on through the Enter order
            }
        }
        if (event->type() == QEvent::FocusIn && common::isFieldFocusChange(event))
            common::resetSelection(list);
        if (event->type() == QEvent::FocusOut && common::isFieldFocusChange(event))
            fieldExit(list);
    } else if (field == ui->txtAvviso || field == ui->txtCosto || field == ui->txtAnno) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (field == ui->txtAnno && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
                ui->btnApri->setFocus(Qt::OtherFocusReason);
                return true;
            }
            if (!common::keyPasses(key, field == ui->txtCosto ? common::CharFilter(common::isAmountChar)
                                                              : common::CharFilter(common::isDigitChar)))
                return true;
        }
        if (field == ui->txtCosto && event->type() == QEvent::FocusOut && common::isFieldFocusChange(event))
            fieldExit(field);
    }
    return common::Form::eventFilter(watched, event);
}
