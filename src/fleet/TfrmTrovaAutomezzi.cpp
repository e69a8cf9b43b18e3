#include "fleet/TfrmTrovaAutomezzi.h"

#include "common/ControlText.h"
#include "common/Failure.h"
#include "common/Text.h"
#include "common/VehicleReceiver.h"
#include "common/WindowRegistry.h"
#include "fleet/SchedaVeicolo.h"
#include "fleet/TfrmVeicolario.h"
#include "fleet/VehicleLines.h"
#include "ui_TfrmTrovaAutomezzi.h"

using namespace fleet::SchedaVeicolo;

namespace {

QString ultimaRicerca;

} // namespace

TfrmTrovaAutomezzi::TfrmTrovaAutomezzi(QWidget* parent)
    : common::SearchWindow(parent)
    , ui(std::make_unique<Ui::frmTrovaAutomezzi>()) {
    ui->setupUi(this);
    bindSearch({ui->txtTipo, ui->txtDestinazione, ui->txtMarca, ui->txtModello, ui->txtTarga, ui->txtStato,
                ui->txtAutista, ui->txtMeccanico, ui->txtProprietario, ui->txtNote},
               {ui->effCampo01, ui->effCampo02, ui->effCampo09, ui->effCampo10, ui->effCampo05,
                ui->effCampo06, ui->effCampo07, ui->effCampo08, ui->effCampo03, ui->effCampo04},
               FindFrame::Without);
}

TfrmTrovaAutomezzi::~TfrmTrovaAutomezzi() = default;

common::ArchiveFile TfrmTrovaAutomezzi::openArchive() {
    return fleet::openVehicleArchive();
}

QList<int> TfrmTrovaAutomezzi::filterFields() const {
    return {Tipo, Destinazione, Marca, Modello, Targa, StatoVeicolo, Autista, Meccanico, Proprietario, Note};
}

QString TfrmTrovaAutomezzi::lineOf(const common::Record& record) const {
    return fleet::vehicleLine(record);
}

QString TfrmTrovaAutomezzi::countText(int count) const {
    return QStringLiteral("Il presente riepilogo contiene %1 schede").arg(count);
}

QString TfrmTrovaAutomezzi::printTitle() const {
    return QStringLiteral("Riepilogo schede veicoli in archivio");
}

QString* TfrmTrovaAutomezzi::UltimaRicerca() {
    return &ultimaRicerca;
}

void TfrmTrovaAutomezzi::pick(qint64 number, const common::Record& v) {
    const QString tag = common::Trim(ui->lblMemory->text());
    if (tag == QLatin1String("veicolario")) {
        auto* card = common::sharedWindow<TfrmVeicolario>(QStringLiteral("frmVeicolario"));
        if (!card)
            throw common::Failure("the vehicle card is missing");
        card->showRecord(v, number);
    } else if (tag == QLatin1String("scadenzario") || tag == QLatin1String("chilometrico") ||
               tag == QLatin1String("costi") || tag == QLatin1String("riepspese")) {
        // The cost summary's query takes the plate alone.
        const QString instance = tag == QLatin1String("scadenzario")    ? QStringLiteral("frmScadenzario")
                                 : tag == QLatin1String("chilometrico") ? QStringLiteral("frmChilometrico")
                                 : tag == QLatin1String("costi")        ? QStringLiteral("frmCosti")
                                                                        : QStringLiteral("frmMenuRiepSpese");
        auto* card = dynamic_cast<common::VehicleReceiver*>(common::sharedWindow(instance));
        if (!card)
            throw common::Failure("the receiving card is missing");
        card->setVehicle(
            {v.get(Tipo), v.get(Marca), v.get(Modello), v.get(Colore), v.get(Alimentazione), v.get(Targa)});
    }
}

void TfrmTrovaAutomezzi::setCallerTag(const QString& tag) {
    ui->lblMemory->setText(tag);
}
