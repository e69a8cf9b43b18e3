#include "fleet/TfrmMenuScadenze.h"

#include "common/Look.h"
#include "common/WindowRegistry.h"
#include "fleet/DeadlineList.h"
#include "ui_TfrmMenuScadenze.h"

namespace {

template <class List> void showList(QWidget* owner) {
    List list(owner);
    list.exec();
}

} // namespace

TfrmMenuScadenze::TfrmMenuScadenze(QWidget* parent)
    : common::Form(parent)
    , ui(std::make_unique<Ui::frmMenuScadenze>()) {
    ui->setupUi(this);
    setWindowState(Qt::WindowMaximized);
    for (QWidget* button : {ui->btnRevisione, ui->btnTagliando, ui->btnAssicurazione, ui->btnBollo})
        common::setBackground(button, QColor(255, 165, 0));
    connect(ui->btnRevisione, &QPushButton::clicked, this, &TfrmMenuScadenze::btnRevisioneClick);
    connect(ui->btnTagliando, &QPushButton::clicked, this, &TfrmMenuScadenze::btnTagliandoClick);
    connect(ui->btnAssicurazione, &QPushButton::clicked, this, &TfrmMenuScadenze::btnAssicurazioneClick);
    connect(ui->btnBollo, &QPushButton::clicked, this, &TfrmMenuScadenze::btnBolloClick);
    connect(ui->imgGuida, &QPushButton::clicked, this, &TfrmMenuScadenze::imgGuidaClick);
    connect(ui->imgEsci, &QPushButton::clicked, this, &TfrmMenuScadenze::imgEsciClick);
}

TfrmMenuScadenze::~TfrmMenuScadenze() = default;

void TfrmMenuScadenze::btnRevisioneClick() {
    showList<TfrmScadRevisione>(this);
}
void TfrmMenuScadenze::btnTagliandoClick() {
    showList<TfrmScadTagliando>(this);
}
void TfrmMenuScadenze::btnAssicurazioneClick() {
    showList<TfrmScadAssicurazione>(this);
}
void TfrmMenuScadenze::btnBolloClick() {
    showList<TfrmScadBollo>(this);
}

QString TfrmMenuScadenze::helpTitle() {
    return QStringLiteral("App Scadenze Imminenti");
}

QStringList TfrmMenuScadenze::helpParagraphs() {
    return {
        QStringLiteral(
            "L'app Scadenze Imminenti tiene sotto controllo, per ogni veicolo, le scadenze della "
            "revisione, del tagliando, del rinnovo dell'assicurazione e del bollo, in base ai dati "
            "registrati nell'archivio del Veicolario."),
        QStringLiteral(
            "Premi uno dei quattro pulsanti arancioni: il riepilogo elenca, secondo il pulsante "
            "premuto, i veicoli con revisione, tagliando, assicurazione o bollo già scaduti o in "
            "scadenza nei prossimi 7 giorni. Il riepilogo può essere stampato con il pulsante Stampa."),
        QStringLiteral(
            "Dopo aver provveduto a una scadenza, scrivi la nuova data di scadenza al posto di quella "
            "passata nella scheda del veicolo e registra il pagamento nell'app dei costi."),
    };
}

void TfrmMenuScadenze::imgGuidaClick() {
    // HOOK(help): opens the shared help window with helpTitle() and helpParagraphs() once it is built.
}

void TfrmMenuScadenze::imgEsciClick() {
    close();
}

void TfrmMenuScadenze::FormClose() {
    if (QWidget* menu = common::sharedWindow(QStringLiteral("frmAvvio")))
        menu->show();
    hide();
}
