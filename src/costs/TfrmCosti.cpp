#include "costs/TfrmCosti.h"

#include "common/CardFields.h"
#include "common/CardPrint.h"
#include "common/CommandPictures.h"
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
#include "costs/CostKeys.h"
#include "costs/SchedaCosto.h"
#include "costs/TfrmDaSaldare.h"
#include "costs/TfrmExpCosti.h"
#include "costs/TfrmTrovaCosti.h"
#include "fleet/TfrmTrovaAutomezzi.h"
#include "ui_TfrmCosti.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

using namespace costs::SchedaCosto;

namespace {

const QString kNeedDay =
    QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare il giorno del pagamento.");
const QString kNeedTwoDigitDay = QString::fromUtf8(
    "Attenzione: per salvare la scheda è necessario indicare il giorno del pagamento usando due cifre.");
const QString kNeedMonth =
    QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare il mese del pagamento.");
const QString kNeedCause =
    QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare la causale del pagamento.");
const QString kNeedMake =
    QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare la marca del veicolo.");
const QString kNeedModel =
    QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare il modello del veicolo.");
const QString kNeedPlate = QString::fromUtf8(
    "Attenzione: per salvare la scheda è necessario indicare il numero di targa del veicolo.");
const QString kBadMonth =
    QStringLiteral("Attenzione: selezionare il mese dal menu a cascata.\n\r\n\r"
                   "Per poter salvare la scheda è necessario indicare una data valida.");

constexpr int kAmountWidth = 15;

} // namespace

TfrmCosti::TfrmCosti(QWidget* parent)
    : common::Form(parent)
    , common::CardForm(this, nullptr, common::CardMessages{common::kAppendedSalvata})
    , ui(std::make_unique<Ui::frmCosti>()) {
    ui->setupUi(this);
    common::keepCentred(ui->panScheda);
    setPositionLabel(ui->lblPosizione);
    setWindowState(Qt::WindowMaximized);
    common::setBackground(this, QColor(0x2E, 0x8B, 0x57));
    common::setBackground(ui->panScheda, Qt::white);
    for (QWidget* box : {ui->recVeicolo, ui->recPagamento, ui->recPersone, ui->recNote})
        common::setBackground(box, common::kPaleBlueBox);

    controls_ = {ui->txtGiorno,      ui->txtMese,          ui->lblAnno,         ui->lblData,
                 ui->txtLuogo,       ui->txtVeicolo,       ui->txtMarca,        ui->txtModello,
                 ui->txtColore,      ui->txtAlimentazione, ui->txtTarga,        ui->txtCausale,
                 ui->txtDescrizione, ui->txtModalita,      ui->txtEstremi,      ui->txtImporto,
                 ui->txtPagatore,    ui->txtRecPagatore,   ui->txtBeneficiario, ui->txtRecBeneficiario,
                 ui->txtConducente,  ui->txtRecapito,      ui->chkSaldato,      ui->txtNote};
    Q_ASSERT(controls_.size() == FieldCount);

    ui->txtVeicolo->addItems(costs::vehicleTypes());
    ui->txtCausale->addItems(costs::causes());
    ui->txtGiorno->addItems(costs::dayItems());
    ui->txtMese->addItems(costs::monthNames());
    // The widths of the record.
    for (int f = 0; f < FieldCount; ++f) {
        QWidget* control = controls_.at(f);
        const int width = costs::SchedaCosto::layout().width(f);
        if (auto* combo = qobject_cast<QComboBox*>(control))
            combo->lineEdit()->setMaxLength(width);
        else if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->setMaxLength(width);
    }
    // A paste or a drop is taken whole or refused: the amount takes digits and the comma up to its width (a
    // normalised amount may be longer), the day and month nothing but a pick from their lists. The vehicle
    // type and the cause keep what is typed.
    common::filterField(ui->txtImporto, common::isAmountChar);
    for (QComboBox* list : {ui->txtGiorno, ui->txtMese})
        common::takeOnlyFromList(list);
    for (QComboBox* list : {ui->txtVeicolo, ui->txtCausale})
        common::keepTypedText(list);

    // Enter order, highlights and the keys of the filtered fields.
    fields_ = new common::CardFields(this);
    const QList<QWidget*> enterOrder{ui->txtVeicolo,     ui->txtMarca,         ui->txtModello,
                                     ui->txtColore,      ui->txtAlimentazione, ui->txtTarga,
                                     ui->txtGiorno,      ui->txtMese,          ui->txtLuogo,
                                     ui->txtCausale,     ui->txtDescrizione,   ui->txtModalita,
                                     ui->txtEstremi,     ui->txtImporto,       ui->txtPagatore,
                                     ui->txtRecPagatore, ui->txtBeneficiario,  ui->txtRecBeneficiario,
                                     ui->txtConducente,  ui->txtRecapito,      ui->txtNote};
    for (QWidget* field : enterOrder) {
        // The filters of this window run before the Enter order's.
        auto* highlight = findChild<QWidget*>(QStringLiteral("eff") + field->objectName().mid(3));
        Q_ASSERT(highlight);
        highlight->setAutoFillBackground(true);
        highlight->setProperty("cardHighlight", true);
        fields_->addHighlighted(field, highlight);
        field->installEventFilter(this);
    }
    enterOrder_ = enterOrder;
    // The windows the card owns (search, payments to settle) take its sheet too: the rule names the card's
    // own highlights, so their frames keep the look of every other list and search window.
    fields_->addStyle(QStringLiteral("QFrame[cardHighlight=\"true\"] { background: #FFFF00; border: 2px "
                                     "solid qlineargradient(x1:0, y1:0, x2:1, y2:1, stop:0 #FFFF00, "
                                     "stop:1 #FFFFFF); }\n"));
    connect(ui->txtTarga, &QLineEdit::textEdited, this, &TfrmCosti::txtTargaChange);

    using common::Command;
    using common::commandPicture;
    using W = TfrmCosti;
    static const common::CommandTable<W> kCommands{
        {"cmdNuovo", commandPicture(Command::New, 26),
         "Prepara la schermata per la registrazione di una nuova scheda.", &W::cmdNuovoClick},
        {"cmdSalva", commandPicture(Command::Save, 26), "Salva la scheda corrente in archivio.",
         &W::cmdSalvaClick},
        {"cmdTrova", commandPicture(Command::Find, 26), "Trova una scheda in archivio.", &W::cmdTrovaClick},
        {"cmdImporta", commandPicture(Command::Import, 26), "Importa i dati dal Parco Automezzi.",
         &W::cmdImportaClick},
        {"cmdStampa", commandPicture(Command::Print, 26), "Stampa la scheda corrente.", &W::cmdStampaClick},
        {"cmdEsporta", commandPicture(Command::Export, 26),
         "Esporta le schede in archivio in un file di Microsoft Excel.", &W::cmdEsportaClick},
        {"cmdPrimo", commandPicture(Command::First, 26), "Visualizza la prima scheda in archivio.",
         &W::cmdPrimoClick},
        {"cmdIndietro", commandPicture(Command::Previous, 26), "Visualizza la scheda precedente in archivio.",
         &W::cmdIndietroClick},
        {"cmdAvanti", commandPicture(Command::Next, 26), "Visualizza la scheda successiva in archivio.",
         &W::cmdAvantiClick},
        {"cmdUltimo", commandPicture(Command::Last, 26), "Visualizza l'ultima scheda in archivio.",
         &W::cmdUltimoClick},
        {"cmdSospese", commandPicture(Command::Pending, 26),
         "Visualizza il riepilogo dei pagamenti da saldare.", &W::cmdSospeseClick},
        {"cmdGuida", commandPicture(Command::Help, 26),
         "Visualizza la pagina della guida sensibile al contesto.", &W::cmdGuidaClick},
        {"cmdEsci", commandPicture(Command::Exit, 26), "Esci da questa schermata di lavoro.",
         &W::cmdEsciClick},
    };
    hints_ = new common::StatusHints(ui->panInfo, this);
    common::installCommands(this, kCommands, hints_);
    hints_->add(ui->chkSaldato,
                QString::fromUtf8("Spunta questa casella per indicare che il pagamento è stato saldato."));
    for (QWidget* field : enterOrder) {
        hints_->addQuiet(field);
        if (auto* combo = qobject_cast<QComboBox*>(field))
            hints_->addQuiet(combo->lineEdit());
    }
    hints_->addBackgroundTree(this);
}

TfrmCosti::~TfrmCosti() = default;

void TfrmCosti::openYear(const QString& file, const QString& caption, const QString& year) {
    ui->lblFile->setText(file);
    setWindowTitle(caption);
    ui->lblAnno->setText(year);
}

QString TfrmCosti::costFile() const {
    return common::Trim(ui->lblFile->text());
}

void TfrmCosti::setVehicle(const common::PickedVehicle& v) {
    common::setControlText(ui->txtVeicolo, v.tipo);
    ui->txtMarca->setText(v.marca);
    ui->txtModello->setText(v.modello);
    ui->txtColore->setText(v.colore);
    ui->txtAlimentazione->setText(v.alimentazione);
    ui->txtTarga->setText(v.targa);
}

void TfrmCosti::FormShow() {
    newCard();
}

void TfrmCosti::FormClose() {
    if (QWidget* menu = common::sharedWindow(QStringLiteral("frmAvvio")))
        menu->show();
    hide();
}

// Card form hooks.

common::ArchiveFile TfrmCosti::openArchive() {
    return costs::openCostArchive(costFile());
}

void TfrmCosti::clearListSelections(std::initializer_list<QComboBox*> lists) {
    // Without a selected item, but with the text as it was.
    for (QComboBox* list : lists)
        common::resetSelection(list);
}

void TfrmCosti::clearFields() {
    clearListSelections({ui->txtGiorno, ui->txtMese, ui->txtCausale});
    for (QWidget* control : controls_)
        if (control != ui->lblAnno && control != ui->lblData)
            common::setControlText(control, QString());
    ui->txtImporto->setText(QStringLiteral("0,00"));
    ui->chkSaldato->setChecked(false);
    for (QComboBox* list : {ui->txtGiorno, ui->txtMese, ui->txtVeicolo, ui->txtCausale})
        list->setCurrentIndex(-1);
}

QWidget* TfrmCosti::firstField() const {
    return ui->txtVeicolo;
}

void TfrmCosti::recordToFields(const common::Record& record) {
    for (int f = 0; f < FieldCount; ++f) {
        if (f == Saldato) {
            const QString settled = record.get(f);
            if (settled == costs::kSaldatoSi)
                ui->chkSaldato->setChecked(true);
            else if (settled == costs::kSaldatoNo)
                ui->chkSaldato->setChecked(false);
            continue; // any other text leaves the box as it was
        }
        common::setControlText(controls_.at(f), record.get(f));
    }
}

void TfrmCosti::fieldsToRecord(common::Record& record) const {
    for (int f = 0; f < FieldCount; ++f)
        record.set(f, f == Saldato ? costs::saldatoText(ui->chkSaldato->isChecked())
                                   : common::trimmedText(controls_.at(f)));
}

void TfrmCosti::beforeSave() {
    clearListSelections({ui->txtGiorno, ui->txtMese, ui->txtCausale});
    common::showWhole(ui->txtImporto, common::NormalizzaImporto(ui->txtImporto->text().left(kAmountWidth)));
}

bool TfrmCosti::refuse(QWidget* field, const QString& warning) {
    platform::showKinded(this, platform::MsgKind::Warning, warning);
    field->setFocus(Qt::OtherFocusReason);
    return false;
}

bool TfrmCosti::checkBeforeSave() {
    const QString day = common::trimmedText(ui->txtGiorno);
    if (day.isEmpty())
        return refuse(ui->txtGiorno, kNeedDay);
    if (day.size() < 2)
        return refuse(ui->txtGiorno, kNeedTwoDigitDay);
    if (common::trimmedText(ui->txtMese).isEmpty())
        return refuse(ui->txtMese, kNeedMonth);
    if (common::trimmedText(ui->txtCausale).isEmpty())
        return refuse(ui->txtCausale, kNeedCause);
    if (common::trimmedText(ui->txtMarca).isEmpty())
        return refuse(ui->txtMarca, kNeedMake);
    if (common::trimmedText(ui->txtModello).isEmpty())
        return refuse(ui->txtModello, kNeedModel);
    if (common::trimmedText(ui->txtTarga).isEmpty())
        return refuse(ui->txtTarga, kNeedPlate);
    if (common::trimmedText(ui->txtImporto).isEmpty())
        ui->txtImporto->setText(QStringLiteral("0,00"));
    const int month = costs::monthNumber(ui->txtMese->currentText());
    if (month == 0)
        return refuse(ui->txtMese, kBadMonth);
    ui->lblData->setText(costs::composeDate(day, month, ui->lblAnno->text()));
    const QString date = common::Trim(ui->lblData->text());
    if (!common::DataValida(date)) {
        platform::showPlain(this, QString::fromUtf8("Attenzione: la data ") + date +
                                      QStringLiteral(" non esiste.\n\r\n\rPer poter salvare la scheda è "
                                                     "necessario indicare una data valida."));
        ui->txtGiorno->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

// Fields.

bool TfrmCosti::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QWidget*>(watched);
    if (field && enterOrder_.contains(field)) {
        auto* combo = qobject_cast<QComboBox*>(field);
        const bool takesNoTyping = field == ui->txtGiorno || field == ui->txtMese;
        switch (event->type()) {
        case QEvent::FocusIn:
            if (combo && common::isFieldFocusChange(event))
                clearListSelections({combo});
            break;
        case QEvent::FocusOut:
            if (!common::isFieldFocusChange(event))
                break;
            if (takesNoTyping) {
                const QStringList& items = field == ui->txtGiorno ? costs::dayItems() : costs::monthNames();
                if (!items.contains(common::Trim(combo->currentText())))
                    combo->setEditText(QString());
            } else if (field == ui->txtImporto) {
                common::showWhole(ui->txtImporto, common::NormalizzaImporto(ui->txtImporto->text()));
            }
            break;
        case QEvent::KeyPress: {
            const auto& key = *static_cast<QKeyEvent*>(event);
            if (takesNoTyping) {
                switch (costs::listKey(key)) {
                case costs::KeyAction::Clear:
                    combo->setEditText(QString());
                    return true;
                case costs::KeyAction::Swallow:
                    return true;
                default:
                    break; // Enter moves on through the Enter order
                }
            } else if (field == ui->txtImporto && !common::keyPasses(&key, common::isAmountChar)) {
                return true;
            }
            break;
        }
        default:
            break;
        }
    }
    return common::Form::eventFilter(watched, event);
}

void TfrmCosti::txtTargaChange(const QString&) {
    common::upperCaseTyped(ui->txtTarga);
}

// Commands.

void TfrmCosti::cmdEsciClick() {
    close();
}

void TfrmCosti::cmdGuidaClick() {
    common::showHelp(this, QStringLiteral("costi"));
}

void TfrmCosti::cmdTrovaClick() {
    TfrmTrovaCosti search(this);
    search.setCallerTag(QStringLiteral("Costi"));
    search.exec();
}

void TfrmCosti::cmdImportaClick() {
    TfrmTrovaAutomezzi picker(this);
    picker.setCallerTag(QStringLiteral("costi"));
    picker.exec();
}

void TfrmCosti::cmdSospeseClick() {
    TfrmDaSaldare list(this);
    list.exec();
}

void TfrmCosti::cmdEsportaClick() {
    TfrmExpCosti window(this);
    window.exec();
}

QString TfrmCosti::printTitle() {
    return QStringLiteral("SCHEDA COSTI SOSTENUTI");
}

QList<std::pair<QString, QString>> TfrmCosti::printRows() const {
    auto t = [](const QWidget* control) { return common::trimmedText(control); };
    auto withPhone = [&](const QWidget* who, const QWidget* phone) {
        return t(who) + QStringLiteral("  Tel. ") + t(phone);
    };
    return {
        {QStringLiteral("Data saldo:"),
         t(ui->txtGiorno) + QLatin1Char(' ') + t(ui->txtMese) + QLatin1Char(' ') + t(ui->lblAnno)},
        {QStringLiteral("Luogo pagamento:"), t(ui->txtLuogo)},
        {QStringLiteral("Veicolo:"),
         t(ui->txtVeicolo) + QLatin1Char(' ') + t(ui->txtMarca) + QLatin1Char(' ') + t(ui->txtModello)},
        {QStringLiteral("Targa:"), t(ui->txtTarga)},
        {QStringLiteral("Causale pagamento:"), t(ui->txtCausale)},
        {QStringLiteral("Descrizione costi:"), t(ui->txtDescrizione)},
        {QString::fromUtf8("Modalità di pagamento:"), t(ui->txtModalita)},
        {QStringLiteral("Estremi ricevuta:"), t(ui->txtEstremi)},
        {QStringLiteral("Importo pagato:"), QStringLiteral("\u20AC ") + t(ui->txtImporto)},
        {QStringLiteral("Pagatore:"), withPhone(ui->txtPagatore, ui->txtRecPagatore)},
        {QStringLiteral("Beneficiario:"), withPhone(ui->txtBeneficiario, ui->txtRecBeneficiario)},
        {QStringLiteral("Conduttore o responsabile:"), withPhone(ui->txtConducente, ui->txtRecapito)},
        {QStringLiteral("Pagamento saldato:"), costs::saldatoText(ui->chkSaldato->isChecked())},
        {QStringLiteral("Note:"), t(ui->txtNote)},
    };
}

void TfrmCosti::cmdStampaClick() {
    common::CardPrintContent card{printTitle(), {}};
    for (const auto& [label, value] : printRows())
        card.rows.push_back({label, value});
    common::printCard(this, QStringLiteral("Si vuole stampare la presente scheda?"), card);
}
