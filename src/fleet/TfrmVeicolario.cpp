#include "fleet/TfrmVeicolario.h"

#include "common/CardFields.h"
#include "common/CommandTable.h"
#include "common/ControlText.h"
#include "common/Failure.h"
#include "common/FieldFilter.h"
#include "common/Help.h"
#include "common/Look.h"
#include "common/Placement.h"
#include "common/StatusHints.h"
#include "common/Text.h"
#include "common/WindowRegistry.h"
#include "fleet/Plate.h"
#include "fleet/SchedaVeicolo.h"
#include "fleet/TfrmAllegaCartella.h"
#include "fleet/TfrmAnteprimaAutomezzo.h"
#include "fleet/TfrmExpVeicolario.h"
#include "fleet/TfrmSlideshow_Automezzi.h"
#include "fleet/TfrmStampaAutomezzo.h"
#include "fleet/TfrmTrovaAutomezzi.h"
#include "fleet/TfrmZoom.h"
#include "platform/FileDialogs.h"
#include "shell/TfrmCalendario.h"
#include "ui_TfrmVeicolario.h"

#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

const QString kRequiredTipo =
    QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare il tipo di veicolo.");
const QString kRequiredMarca =
    QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare la marca del veicolo.");
const QString kRequiredModello =
    QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare il modello del veicolo.");
const QString kRequiredTarga =
    QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare la targa del veicolo.");

} // namespace

TfrmVeicolario::TfrmVeicolario(QWidget* parent)
    : common::Form(parent)
    , common::CardForm(this, nullptr)
    , ui(std::make_unique<Ui::frmVeicolario>()) {
    ui->setupUi(this);
    setPositionLabel(ui->lblPosizione);
    setWindowState(Qt::WindowMaximized);
    common::setBackground(this, QColor(0x46, 0x82, 0xB4));
    common::setBackground(ui->panScheda, Qt::white);
    common::setBackground(ui->recConducente, common::kPaleBlueBox);
    common::setBackground(ui->recNote, common::kPaleBlueBox);

    controls_ = {ui->txtTipo,
                 ui->txtDestinazione,
                 ui->txtMarca,
                 ui->txtModello,
                 ui->txtTarga,
                 ui->txtAnno,
                 ui->txtColore,
                 ui->txtTelaio,
                 ui->txtPneumatici,
                 ui->txtStato,
                 ui->txtChilometri,
                 ui->txtLettura,
                 ui->txtAlimentazione,
                 ui->txtCilindrata,
                 ui->txtKW,
                 ui->txtAmbiente,
                 ui->txtPosti,
                 ui->txtPortata,
                 ui->txtCompagnia,
                 ui->txtTelAssicuratore,
                 ui->txtPolizza,
                 ui->txtIncidenti,
                 ui->txtProprietario,
                 ui->txtAutista,
                 ui->txtTelAutista,
                 ui->txtMeccanico,
                 ui->txtTelMeccanico,
                 ui->txtScadRevisione,
                 ui->txtScadTagliando,
                 ui->txtScadAssicurazione,
                 ui->txtScadBollo,
                 ui->txtNote,
                 ui->lblFile01,
                 ui->lblFile02,
                 ui->lblFile03,
                 ui->lblDesc01,
                 ui->lblDesc02,
                 ui->lblDesc03};
    Q_ASSERT(controls_.size() == fleet::SchedaVeicolo::FieldCount);

    // The fields: background, focus colour, Enter order; the date fields open the date picker.
    fields_ = new common::CardFields(this);
    const QHash<QLineEdit*, QString> dateTags{
        {ui->txtLettura, QStringLiteral("veicolario_lettura")},
        {ui->txtScadRevisione, QStringLiteral("veicolario_scadrevisione")},
        {ui->txtScadTagliando, QStringLiteral("veicolario_scadtagliando")},
        {ui->txtScadAssicurazione, QStringLiteral("veicolario_scadassicurazione")},
        {ui->txtScadBollo, QStringLiteral("veicolario_scadbollo")},
    };
    for (int i = 0; i <= fleet::SchedaVeicolo::Note; ++i) {
        auto* edit = static_cast<QLineEdit*>(controls_.at(i));
        const QColor background =
            i <= fleet::SchedaVeicolo::Proprietario ? common::kAliceBlue : QColor(Qt::white);
        if (dateTags.contains(edit))
            fields_->addDate(edit, background, dateTags.value(edit));
        else
            fields_->add(edit, background);
    }
    fields_->openPicker = [this](const QString& tag) { apriCalendario(tag); };
    ui->txtTarga->installEventFilter(this);
    connect(ui->txtTarga, &QLineEdit::textEdited, this, &TfrmVeicolario::txtTargaChange);

    for (QToolButton* arrow : {ui->cmdPrimo, ui->cmdIndietro, ui->cmdAvanti, ui->cmdUltimo})
        arrow->setToolButtonStyle(Qt::ToolButtonIconOnly);

    photo_ = std::make_unique<fleet::PhotoBox>(ui->imgFoto, ui->imgBianco);

    using common::Command;
    using common::commandPicture;
    using W = TfrmVeicolario;
    static const common::CommandTable<W> kCommands{
        {"cmdNuovo", commandPicture(Command::New, 26),
         "Prepara la schermata per l'inserimento di una nuova scheda.", &W::cmdNuovoClick},
        {"cmdDuplica", commandPicture(Command::Duplicate, 26),
         "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti.",
         &W::cmdDuplicaClick},
        {"cmdSalva", commandPicture(Command::Save, 26), "Salva la scheda in archivio.", &W::cmdSalvaClick},
        {"cmdTrova", commandPicture(Command::Find, 26), "Trova una scheda in archivio.", &W::cmdTrovaClick},
        {"cmdFile", commandPicture(Command::Attach, 26), "Allega file alla scheda.", &W::cmdFileClick},
        {"cmdAnteprima", commandPicture(Command::Preview, 26),
         "Visualizza l'anteprima di stampa della scheda.", &W::cmdAnteprimaClick},
        {"cmdStampa", commandPicture(Command::Print, 26), "Stampa la scheda.", &W::cmdStampaClick},
        {"cmdPrimo", commandPicture(Command::First, 26), "Visualizza la prima scheda in archivio.",
         &W::cmdPrimoClick},
        {"cmdIndietro", commandPicture(Command::Previous, 26), "Visualizza la scheda precedente in archivio.",
         &W::cmdIndietroClick},
        {"cmdAvanti", commandPicture(Command::Next, 26), "Visualizza la scheda successiva in archivio.",
         &W::cmdAvantiClick},
        {"cmdUltimo", commandPicture(Command::Last, 26), "Visualizza l'ultima scheda in archivio.",
         &W::cmdUltimoClick},
        {"cmdEsporta", commandPicture(Command::Export, 26), "Esporta archivio in Excel.",
         &W::cmdEsportaClick},
        {"cmdSlideshow", commandPicture(Command::SlideShow, 26), "Esegui lo slide show del parco automezzi.",
         &W::cmdSlideshowClick},
        {"cmdGuida", commandPicture(Command::Help, 26), "Visualizza la guida in linea.", &W::cmdGuidaClick},
        {"cmdEsci", commandPicture(Command::Exit, 26), "Esci da questa schermata.", &W::cmdEsciClick},
        {"btnCaricaFoto", {}, "Carica una foto.", &W::btnCaricaFotoClick},
        {"btnSalvaFoto", {}, "Salva la foto su disco.", &W::btnSalvaFotoClick},
        {"btnCancFoto", {}, "Cancella la foto.", &W::btnCancFotoClick},
        {"btnZoomFoto", {}, "Visualizza la foto nelle sue dimensioni reali.", &W::btnZoomFotoClick},
    };
    hints_ = new common::StatusHints(ui->panInfo, this);
    common::installCommands(this, kCommands, hints_);
    // Maximised on any screen, the card stays in the middle.
    common::keepCentred(ui->panScheda);
    for (int i = 0; i <= fleet::SchedaVeicolo::Note; ++i)
        hints_->addQuiet(controls_.at(i));
    // The window, its panels and boxes, the captions, the header and the photo box.
    hints_->addBackgroundTree(this);
}

TfrmVeicolario::~TfrmVeicolario() = default;

void TfrmVeicolario::FormShow() {
    newCard();
}

void TfrmVeicolario::FormClose() {
    if (QWidget* menu = common::sharedWindow(QStringLiteral("frmAvvio")))
        menu->show();
    hide();
}

// Card form hooks.

common::ArchiveFile TfrmVeicolario::openArchive() {
    return fleet::openVehicleArchive();
}

void TfrmVeicolario::clearFields() {
    for (QWidget* control : controls_)
        common::setControlText(control, QString());
    photo_->showPlaceholder();
}

QWidget* TfrmVeicolario::firstField() const {
    return ui->txtTipo;
}

void TfrmVeicolario::recordToFields(const common::Record& record) {
    for (int i = 0; i < controls_.size(); ++i)
        common::setControlText(controls_.at(i), record.get(i));
}

void TfrmVeicolario::fieldsToRecord(common::Record& record) const {
    for (int i = 0; i < controls_.size(); ++i)
        record.set(i, common::controlText(controls_.at(i)));
}

void TfrmVeicolario::afterLoad(qint64) {
    ApriFotoScheda();
}

void TfrmVeicolario::beforeSave() {
    ui->btnFocus->setFocus(Qt::OtherFocusReason);
}

QList<common::RequiredField> TfrmVeicolario::requiredFields() const {
    return {{ui->txtTipo, kRequiredTipo},
            {ui->txtMarca, kRequiredMarca},
            {ui->txtModello, kRequiredModello},
            {ui->txtTarga, kRequiredTarga}};
}

void TfrmVeicolario::afterSave(qint64) {
    // The record is saved; a photo that did not reach the disk must not be called saved.
    if (!SalvaFotoScheda())
        throw common::Failure("the card's photo was not saved");
}

void TfrmVeicolario::duplicateFields() {
    for (QLabel* label :
         {ui->lblFile01, ui->lblFile02, ui->lblFile03, ui->lblDesc01, ui->lblDesc02, ui->lblDesc03})
        label->clear();
    photo_->showPlaceholder();
    ui->txtTipo->setFocus(Qt::OtherFocusReason);
}

// Commands.

void TfrmVeicolario::cmdEsciClick() {
    close();
}

// The windows that work on the vehicle on show, each owned by the card for one use.
void TfrmVeicolario::cmdTrovaClick() {
    TfrmTrovaAutomezzi search(this);
    search.setCallerTag(QStringLiteral("veicolario"));
    search.exec();
}

void TfrmVeicolario::cmdGuidaClick() {
    common::showHelp(this, QStringLiteral("veicolario"));
}

void TfrmVeicolario::cmdFileClick() {
    TfrmAllegaCartella window(this);
    using common::Trim;
    window.showSlots(QStringLiteral("veicolario"),
                     {Trim(ui->lblFile01->text()), Trim(ui->lblFile02->text()), Trim(ui->lblFile03->text())},
                     {Trim(ui->lblDesc01->text()), Trim(ui->lblDesc02->text()), Trim(ui->lblDesc03->text())});
    window.exec();
}

void TfrmVeicolario::cmdAnteprimaClick() {
    TfrmAnteprimaAutomezzo window(this);
    window.exec();
}

void TfrmVeicolario::cmdStampaClick() {
    TfrmStampaAutomezzo window(this);
    window.exec();
}

void TfrmVeicolario::cmdEsportaClick() {
    TfrmExpVeicolario window(this);
    window.exec();
}

void TfrmVeicolario::cmdSlideshowClick() {
    TfrmSlideshow_Automezzi window(this);
    window.exec();
}

// Date fields and plate.

void TfrmVeicolario::apriCalendario(const QString& tag) {
    TfrmCalendario picker(this);
    picker.setCallerTag(tag);
    picker.exec();
}

bool TfrmVeicolario::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->txtTarga && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.size() == 1 && typed.at(0).unicode() >= 32 && typed.at(0).unicode() <= 255 &&
            fleet::plateRefuses(typed.at(0)))
            return true;
    }
    return common::Form::eventFilter(watched, event);
}

void TfrmVeicolario::txtTargaChange(const QString&) {
    common::rewriteTyped(ui->txtTarga, fleet::typedPlate);
}

// Photo.

void TfrmVeicolario::ApriFotoScheda() {
    QDir().mkpath(fleet::photoFolder());
    if (!photo_->load(fleet::photoPath(ui->lblPosizione->text())))
        photo_->showPlaceholder();
}

bool TfrmVeicolario::SalvaFotoScheda() {
    // A failure keeps the picture on show, so that the next save can still store it.
    return QDir().mkpath(fleet::photoFolder()) && photo_->saveAs(fleet::photoPath(ui->lblPosizione->text()));
}

void TfrmVeicolario::btnCaricaFotoClick() {
    platform::FileDialogRequest request;
    request.kind = platform::FileDialogRequest::Kind::Open;
    request.title = QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap.");
    request.filter = QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)");
    const QString path = platform::askFileName(this, request);
    if (!path.isEmpty())
        photo_->load(path); // a picture that cannot be loaded leaves the one on show
}

void TfrmVeicolario::btnSalvaFotoClick() {
    platform::FileDialogRequest request;
    request.kind = platform::FileDialogRequest::Kind::Save;
    request.title = QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg.");
    request.filter = QStringLiteral("File Jpeg (*.jpg)");
    request.defaultSuffix = QStringLiteral("jpg");
    request.fileName = QStringLiteral("Foto.jpg");
    const QString path = platform::askFileName(this, request);
    if (!path.isEmpty())
        photo_->saveAs(path); // a failure leaves the card's picture as it was
}

void TfrmVeicolario::btnCancFotoClick() {
    photo_->showPlaceholder();
}

void TfrmVeicolario::btnZoomFotoClick() {
    TfrmZoom window(this);
    window.setPicture(photo_->picture());
    window.exec();
}

void TfrmVeicolario::applyAttachments(const QStringList& files, const QStringList& descriptions) {
    QLabel* const fileLabels[] = {ui->lblFile01, ui->lblFile02, ui->lblFile03};
    QLabel* const descLabels[] = {ui->lblDesc01, ui->lblDesc02, ui->lblDesc03};
    for (int k = 0; k < 3; ++k) {
        fileLabels[k]->setText(files.value(k));
        descLabels[k]->setText(descriptions.value(k));
    }
}
