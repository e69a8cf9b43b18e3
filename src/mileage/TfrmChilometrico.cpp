#include "mileage/TfrmChilometrico.h"

#include "common/CardFields.h"
#include "common/CardPrint.h"
#include "common/Clock.h"
#include "common/CommandTable.h"
#include "common/FieldFilter.h"
#include "common/Help.h"
#include "common/Look.h"
#include "common/Numbers.h"
#include "common/Pictures.h"
#include "common/Placement.h"
#include "common/StatusHints.h"
#include "common/Text.h"
#include "common/WindowRegistry.h"
#include "fleet/TfrmTrovaAutomezzi.h"
#include "mileage/MileageLists.h"
#include "mileage/SchedaChilometrico.h"
#include "mileage/TfrmExpChilometrico.h"
#include "mileage/TfrmTrovaChilometrico.h"
#include "shell/TaxCodes.h"
#include "shell/TfrmCalendario.h"
#include "ui_TfrmChilometrico.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>

using namespace mileage::SchedaChilometrico;

namespace {

const QString kRequiredVeicolo =
    QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare il tipo di veicolo.");
const QString kRequiredMarca =
    QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare la marca del veicolo.");
const QString kRequiredModello =
    QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare il modello del veicolo.");
const QString kRequiredTarga = QString::fromUtf8(
    "Attenzione: per salvare la scheda è necessario indicare il numero di targa del veicolo.");
const QString kRequiredManutenzione = QString::fromUtf8(
    "Attenzione: per salvare la scheda è necessario indicare il tipo di manutenzione da effettuare.");
const QString kRequiredDataRil =
    QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare la data di rilevamento "
                      "iniziale dei chilometri percorsi.");
const QString kInvalidDate =
    QStringLiteral("Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la scheda è necessario "
                   "indicare una data valida nel formato gg/mm/anno.");
const QString kDateHint = QStringLiteral(
    "Fai clic su questo campo e premi un tasto qualsiasi per importare una data dal calendario.");
const QString kPrintQuestion = QStringLiteral("Si vuole stampare la presente scheda?");

const QColor kSection{0xE0, 0xE9, 0xF1};
const QColor kBand{0xB0, 0xC4, 0xDE};
const QColor kSteelBlue{0x46, 0x82, 0xB4};
const QColor kInfoBar{0x1E, 0x3C, 0x78};

QString todayText() {
    return shell::shortDate(common::today());
}

} // namespace

TfrmChilometrico::TfrmChilometrico(QWidget* parent)
    : common::Form(parent)
    , common::CardForm(this, nullptr,
                       {common::kAppendedInserita, platform::MsgKind::Warning, platform::MsgKind::Error})
    , ui(std::make_unique<Ui::frmChilometrico>()) {
    ui->setupUi(this);
    setPositionLabel(ui->lblPosizione);
    setWindowState(Qt::WindowMaximized);

    // Steel blue fading to white behind the centred panel.
    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setCoordinateMode(QGradient::ObjectMode);
    gradient.setColorAt(0, kSteelBlue);
    gradient.setColorAt(1, Qt::white);
    QPalette background = palette();
    background.setBrush(QPalette::Window, gradient);
    setPalette(background);
    setAutoFillBackground(true);
    ui->panScheda->setAutoFillBackground(false);
    common::keepCentred(ui->panScheda);
    for (QWidget* section : {ui->recVeicolo, ui->recConducente, ui->recManutenzione, ui->recLetture,
                             ui->recNote, ui->recEffettuata})
        common::setBackground(section, kSection);
    common::setBackground(ui->recAttuali, kBand);
    common::setBackground(ui->panComandi, Qt::white);
    QPalette status = ui->txtStato->palette();
    status.setColor(QPalette::Window, Qt::black);
    status.setColor(QPalette::WindowText, Qt::yellow);
    ui->txtStato->setPalette(status);
    QPalette info = ui->panInfo->palette();
    info.setColor(QPalette::Window, kInfoBar);
    info.setColor(QPalette::WindowText, Qt::white);
    ui->panInfo->setPalette(info);

    edits_ = {ui->txtVeicolo,  ui->txtMarca,      ui->txtModello,  ui->txtColore,    ui->txtAlimentazione,
              ui->txtTarga,    ui->txtConducente, ui->txtCodFisc,  ui->txtRecapito,  ui->txtManutenzione,
              ui->txtDettagli, ui->txtOfficina,   ui->txtCosto,    ui->txtDataInt,   ui->txtKmRil,
              ui->txtDataRil,  ui->txtOgni,       ui->txtProssima, ui->txtKmAttuali, ui->txtDataAtt,
              nullptr,         nullptr,           ui->txtNote};
    Q_ASSERT(edits_.size() == FieldCount);
    kmFields_ = {ui->txtKmRil, ui->txtOgni, ui->txtProssima, ui->txtKmAttuali};

    // Enter runs through the fields in record order; each date field opens the date picker instead, and
    // the notes lead back to the first field.
    fields_ = new common::CardFields(this);
    fields_->dateEnterMovesOn = false;
    QList<QWidget*> enterOrder;
    for (QLineEdit* field : std::as_const(edits_))
        if (field)
            enterOrder << field;
    fields_->addRun(enterOrder, QColor(Qt::white), this);
    const QHash<QLineEdit*, QString> dateTags{{ui->txtDataInt, QStringLiteral("dataint")},
                                              {ui->txtDataRil, QStringLiteral("dataril")},
                                              {ui->txtDataAtt, QStringLiteral("dataatt")}};
    for (auto it = dateTags.cbegin(); it != dateTags.cend(); ++it)
        fields_->setDate(it.key(), it.value());
    fields_->openPicker = [this](const QString& tag) { apriCalendario(tag); };

    // Number fields take digits, the cost also the comma, each at most as many as its field stores. A km
    // text pasted with a decimal comma is taken, and rounded on leaving; typed, the comma is refused.
    for (QLineEdit* km : std::as_const(kmFields_)) {
        km->setMaxLength(mileage::SchedaChilometrico::layout().width(int(edits_.indexOf(km))));
        common::filterField(km, common::isAmountChar);
    }
    ui->txtCosto->setMaxLength(mileage::SchedaChilometrico::layout().width(Costo));
    common::filterField(ui->txtCosto, common::isAmountChar);
    connect(ui->txtTarga, &QLineEdit::textEdited, this, [this] { common::upperCaseTyped(ui->txtTarga); });
    connect(ui->txtCodFisc, &QLineEdit::textEdited, this, [this] { common::upperCaseTyped(ui->txtCodFisc); });

    using common::Command;
    using common::commandPicture;
    using W = TfrmChilometrico;
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
        {"cmdEsporta", commandPicture(Command::Export, 26),
         "Esporta le schede in archivio in un file di Microsoft Excel.", &W::cmdEsportaClick},
        {"cmdScadute", commandPicture(Command::Overdue, 26),
         "Visualizza il riepilogo delle manutenzioni scadute e non ancora effettuate.", &W::cmdScaduteClick},
        {"cmdDaEffettuare", commandPicture(Command::ToDo, 26),
         "Visualizza il riepilogo delle manutenzioni da effettuare, sia scadute che non.",
         &W::cmdDaEffettuareClick},
        {"cmdEffettuate", commandPicture(Command::Done, 26),
         "Visualizza il riepilogo storico delle manutenzioni effettuate.", &W::cmdEffettuateClick},
        {"cmdGuida", commandPicture(Command::Help, 26),
         "Visualizza la pagina della guida sensibile al contesto.", &W::cmdGuidaClick},
        {"cmdEsci", commandPicture(Command::Exit, 26), "Esci dalla schermata di lavoro corrente.",
         &W::cmdEsciClick},
        {"cmdPrimo", commandPicture(Command::First, 24), "Visualizza la prima scheda in archivio.",
         &W::cmdPrimoClick},
        {"cmdIndietro", commandPicture(Command::Previous, 24), "Visualizza la scheda precedente in archivio.",
         &W::cmdIndietroClick},
        {"cmdAvanti", commandPicture(Command::Next, 24), "Visualizza la scheda successiva in archivio.",
         &W::cmdAvantiClick},
        {"cmdUltimo", commandPicture(Command::Last, 24), "Visualizza l'ultima scheda in archivio.",
         &W::cmdUltimoClick},
        {"btnCalcola",
         {},
         "Calcola il il limite chilometrico per la prossima manutenzione.",
         &W::btnCalcolaClick},
        {"btnControlla", {}, "Controlla lo stato attuale della manutenzione.", &W::btnControllaClick},
        {"btnDataRil", {}, "Inserisci la data corrente.", &W::btnDataRilClick},
        {"impDataInt", commandPicture(Command::Today, 24), "Inserisci la data corrente.",
         &W::impDataIntClick},
        {"impDataAtt", commandPicture(Command::Today, 24), "Inserisci la data corrente.",
         &W::impDataAttClick},
        {"btnCodFisc", commandPicture(Command::CheckCode, 24), "Controlla il codice fiscale.",
         &W::btnCodFiscClick},
    };
    hints_ = new common::StatusHints(ui->panInfo, this);
    common::installCommands(this, kCommands, hints_);
    hints_->add(
        ui->chkEffettuata,
        QString::fromUtf8("Spunta questa casella per annotare che la manutenzione è stata effettuata."));
    for (QLineEdit* field : std::as_const(edits_)) {
        if (!field)
            continue;
        if (dateTags.contains(field))
            hints_->add(field, kDateHint);
        else
            hints_->addQuiet(field);
    }
    // The window, its panel and sections, the captions and the status label.
    hints_->addBackgroundTree(this);
}

TfrmChilometrico::~TfrmChilometrico() = default;

void TfrmChilometrico::FormShow() {
    if (!decorated_) {
        decorated_ = true;
        ui->imgDecorazione->setPixmap(common::logoPicture(ui->imgDecorazione->size()));
    }
    newCard();
}

void TfrmChilometrico::FormClose() {
    if (QWidget* menu = common::sharedWindow(QStringLiteral("frmAvvio")))
        menu->show();
    hide();
}

void TfrmChilometrico::setVehicle(const common::PickedVehicle& vehicle) {
    ui->txtVeicolo->setText(vehicle.tipo);
    ui->txtMarca->setText(vehicle.marca);
    ui->txtModello->setText(vehicle.modello);
    ui->txtColore->setText(vehicle.colore);
    ui->txtAlimentazione->setText(vehicle.alimentazione);
    ui->txtTarga->setText(vehicle.targa);
}

// Card form hooks.

common::ArchiveFile TfrmChilometrico::openArchive() {
    return mileage::openMileageArchive();
}

void TfrmChilometrico::clearFields() {
    for (QLineEdit* field : std::as_const(edits_))
        if (field)
            field->clear();
    ui->txtCosto->setText(QStringLiteral("0,00"));
    for (QLineEdit* km : std::as_const(kmFields_))
        km->setText(QStringLiteral("0"));
    ui->txtDataRil->setText(todayText());
    ui->txtDataAtt->setText(todayText());
    ui->txtStato->setText(mileage::kValida);
    ui->chkEffettuata->setChecked(false);
}

QWidget* TfrmChilometrico::firstField() const {
    return ui->txtVeicolo;
}

void TfrmChilometrico::recordToFields(const common::Record& record) {
    for (int i = 0; i < FieldCount; ++i)
        if (QLineEdit* field = edit(i))
            field->setText(record.get(i));
    ui->txtStato->setText(record.get(StatoManutenzione));
    const QString done = record.get(Effettuata);
    if (done == mileage::kDone)
        ui->chkEffettuata->setChecked(true);
    else if (done == mileage::kNotDone)
        ui->chkEffettuata->setChecked(false);
}

void TfrmChilometrico::fieldsToRecord(common::Record& record) const {
    for (int i = 0; i < FieldCount; ++i)
        if (QLineEdit* field = edit(i))
            record.set(i, field->text());
    record.set(StatoManutenzione, ui->txtStato->text());
    record.set(Effettuata, ui->chkEffettuata->isChecked() ? mileage::kDone : mileage::kNotDone);
}

QList<common::RequiredField> TfrmChilometrico::requiredFields() const {
    return {{ui->txtVeicolo, kRequiredVeicolo},           {ui->txtMarca, kRequiredMarca},
            {ui->txtModello, kRequiredModello},           {ui->txtTarga, kRequiredTarga},
            {ui->txtManutenzione, kRequiredManutenzione}, {ui->txtDataRil, kRequiredDataRil}};
}

void TfrmChilometrico::beforeSave() {
    // A km field can hold a pasted decimal comma until it is left; the save does not move the focus, so
    // such a reading is rounded here rather than stored with its comma.
    for (QLineEdit* field : std::as_const(kmFields_))
        if (field->text().contains(QLatin1Char(',')))
            field->setText(mileage::normaliseKm(field->text()));
}

bool TfrmChilometrico::checkBeforeSave() {
    if (!common::CardForm::checkBeforeSave())
        return false;
    if (!common::DataValida(ui->txtDataRil->text())) {
        platform::showKinded(this, platform::MsgKind::Warning, kInvalidDate);
        ui->txtDataRil->setFocus(Qt::OtherFocusReason);
        return false;
    }
    // The card is valid: what the save stores is completed and computed now.
    if (common::Trim(ui->txtCosto->text()).isEmpty())
        ui->txtCosto->setText(QStringLiteral("0,00"));
    btnCalcolaClick();
    // The status rule, which runs the due-mileage rule again first.
    btnCalcolaClick();
    if (!statusPart()) {
        // A reading was repaired to 0: the stored due mileage and status follow the repaired readings.
        btnCalcolaClick();
        statusPart();
    }
    return true;
}

void TfrmChilometrico::duplicateFields() {
    ui->txtDataInt->clear();
    ui->txtKmRil->setText(QStringLiteral("0"));
    ui->txtProssima->setText(QStringLiteral("0"));
    ui->txtKmAttuali->setText(QStringLiteral("0"));
    ui->txtDataRil->setText(todayText());
    ui->txtDataAtt->setText(todayText());
    ui->txtStato->setText(mileage::kValida);
    ui->chkEffettuata->setChecked(false);
    btnCalcolaClick();
    btnControllaClick();
    ui->txtKmRil->setFocus(Qt::OtherFocusReason);
}

// The two rules.

void TfrmChilometrico::btnCalcolaClick() {
    mileage::Readings r{ui->txtKmRil->text(), ui->txtOgni->text(), ui->txtProssima->text(), {}, {}};
    const bool ok = mileage::dueMileageRule(r);
    if (!ok)
        platform::showKinded(this, platform::MsgKind::Warning, mileage::kInvalidReadings);
    ui->txtKmRil->setText(r.kmRil);
    ui->txtOgni->setText(r.ogni);
    ui->txtProssima->setText(r.prossima);
    if (!ok)
        ui->txtKmRil->setFocus(Qt::OtherFocusReason);
}

bool TfrmChilometrico::statusPart() {
    mileage::Readings r{{}, {}, ui->txtProssima->text(), ui->txtKmAttuali->text(), ui->txtStato->text()};
    const bool ok = mileage::statusRule(r);
    if (!ok)
        platform::showKinded(this, platform::MsgKind::Warning, mileage::kInvalidReadings);
    ui->txtProssima->setText(r.prossima);
    ui->txtKmAttuali->setText(r.kmAttuali);
    ui->txtStato->setText(r.stato);
    if (!ok)
        ui->txtKmAttuali->setFocus(Qt::OtherFocusReason);
    return ok;
}

void TfrmChilometrico::btnControllaClick() {
    btnCalcolaClick();
    statusPart();
}

// Commands.

void TfrmChilometrico::cmdEsciClick() {
    close();
}

void TfrmChilometrico::cmdImportaClick() {
    TfrmTrovaAutomezzi picker(this);
    picker.setCallerTag(QStringLiteral("chilometrico"));
    picker.exec();
}

void TfrmChilometrico::cmdTrovaClick() {
    TfrmTrovaChilometrico search(this);
    search.setCallerTag(QStringLiteral("chilometrico"));
    search.exec();
}

void TfrmChilometrico::cmdStampaClick() {
    common::printCard(this, kPrintQuestion, printContent());
}

void TfrmChilometrico::cmdEsportaClick() {
    TfrmExpChilometrico window(this);
    window.exec();
}

void TfrmChilometrico::cmdScaduteClick() {
    TfrmScaduteKm window(this);
    window.exec();
}

void TfrmChilometrico::cmdDaEffettuareClick() {
    TfrmDaEffettuare window(this);
    window.exec();
}

void TfrmChilometrico::cmdEffettuateClick() {
    TfrmEffettuate window(this);
    window.exec();
}

void TfrmChilometrico::cmdGuidaClick() {
    common::showHelp(this, QStringLiteral("chilometrico"));
}

void TfrmChilometrico::btnDataRilClick() {
    ui->txtDataRil->setText(todayText());
}
void TfrmChilometrico::impDataIntClick() {
    ui->txtDataInt->setText(todayText());
}
void TfrmChilometrico::impDataAttClick() {
    ui->txtDataAtt->setText(todayText());
}

void TfrmChilometrico::btnCodFiscClick() {
    shell::openTaxCodeCheck(this, ui->txtCodFisc->text());
}

common::CardPrintContent TfrmChilometrico::printContent() const {
    const auto t = [](const QLineEdit* field) { return common::Trim(field->text()); };
    common::CardPrintContent card{QStringLiteral("SCHEDA SCADENZA CHILOMETRICA"), {}};
    card.rows = {
        {QStringLiteral("Tipo veicolo:"), t(ui->txtVeicolo)},
        {QStringLiteral("Marca e modello:"), t(ui->txtMarca) + QLatin1Char(' ') + t(ui->txtModello)},
        {QStringLiteral("Colore:"), t(ui->txtColore)},
        {QStringLiteral("Alimentazione:"), t(ui->txtAlimentazione)},
        {QStringLiteral("Targa:"), t(ui->txtTarga)},
        {QStringLiteral("Conduttore:"), t(ui->txtConducente)},
        {QStringLiteral("Codice fiscale:"), t(ui->txtCodFisc)},
        {QStringLiteral("Recapito preferenziale:"), t(ui->txtRecapito)},
        {QStringLiteral("Tipo manutenzione:"), t(ui->txtManutenzione)},
        {QStringLiteral("Dettagli intervento:"), t(ui->txtDettagli)},
        {QStringLiteral("Officina incaricata:"), t(ui->txtOfficina)},
        {QStringLiteral("Costo intervento:"), QString::fromUtf8("€ ") + t(ui->txtCosto)},
        {QStringLiteral("Data intervento:"), t(ui->txtDataInt)},
        {QStringLiteral("Km e data iniziali:"), t(ui->txtKmRil) + QStringLiteral("  ") + t(ui->txtDataRil)},
        {QStringLiteral("Frequenza manutenzione:"),
         QStringLiteral("Ogni ") + t(ui->txtOgni) + QStringLiteral(" km")},
        {QStringLiteral("Prossima scadenza:"), QStringLiteral("A km ") + t(ui->txtProssima)},
        {QStringLiteral("Km e data attuali:"),
         t(ui->txtKmAttuali) + QStringLiteral("  ") + t(ui->txtDataAtt)},
        {QStringLiteral("Stato manutenzione:"), common::Trim(ui->txtStato->text())},
        {QStringLiteral("Note:"), t(ui->txtNote)},
        {QStringLiteral("Manutenzione effettuata:"),
         ui->chkEffettuata->isChecked() ? QString::fromUtf8("Sì") : QStringLiteral("No")},
    };
    return card;
}

// Fields.

void TfrmChilometrico::apriCalendario(const QString& tag) {
    TfrmCalendario picker(this);
    picker.setCallerTag(tag);
    picker.exec();
}

bool TfrmChilometrico::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field && edits_.contains(field)) {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (kmFields_.contains(field) || field == ui->txtCosto) {
                const common::CharFilter allowed =
                    field == ui->txtCosto ? common::isAmountChar : common::isDigitChar;
                if (!common::keyPasses(static_cast<QKeyEvent*>(event), allowed))
                    return true;
            }
            break;
        case QEvent::FocusOut:
            if (!common::isFieldFocusChange(event))
                break;
            if (kmFields_.contains(field))
                field->setText(mileage::normaliseKm(field->text()));
            else if (field == ui->txtCosto)
                common::showWhole(field, common::NormalizzaImporto(field->text()));
            break;
        default:
            break;
        }
    }
    return common::Form::eventFilter(watched, event);
}
