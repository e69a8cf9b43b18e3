#include "mileage/TfrmTrovaChilometrico.h"

#include "common/Text.h"
#include "mileage/MileageLists.h"
#include "mileage/SchedaChilometrico.h"
#include "ui_TfrmTrovaChilometrico.h"

using namespace mileage::SchedaChilometrico;

namespace {

QString ultimaRicerca;

} // namespace

TfrmTrovaChilometrico::TfrmTrovaChilometrico(QWidget* parent)
    : common::SearchWindow(parent)
    , ui(std::make_unique<Ui::frmTrovaChilometrico>()) {
    ui->setupUi(this);
    bindSearch({ui->txtVeicolo, ui->txtTarga, ui->txtMarca, ui->txtModello, ui->txtConducente,
                ui->txtManutenzione, ui->txtOfficina, ui->txtDataInt, ui->txtDettagli, ui->txtNote},
               {ui->effCampo01, ui->effCampo02, ui->effCampo03, ui->effCampo04, ui->effCampo05,
                ui->effCampo06, ui->effCampo07, ui->effCampo08, ui->effCampo09, ui->effCampo10},
               FindFrame::With);
}

TfrmTrovaChilometrico::~TfrmTrovaChilometrico() = default;

void TfrmTrovaChilometrico::setCallerTag(const QString& tag) {
    ui->lblMemory->setText(tag);
}

common::ArchiveFile TfrmTrovaChilometrico::openArchive() {
    return mileage::openMileageArchive();
}

QList<int> TfrmTrovaChilometrico::filterFields() const {
    return {Veicolo, Targa, Marca, Modello, Conducente, Manutenzione, Officina, DataInt, Dettagli, Note};
}

QString TfrmTrovaChilometrico::lineOf(const common::Record& record) const {
    return mileage::lineToDo(record);
}

QString TfrmTrovaChilometrico::countText(int count) const {
    return QStringLiteral("Il presente elenco contiene %1 schede.").arg(count);
}

QString TfrmTrovaChilometrico::printTitle() const {
    return QStringLiteral("Scadenzario chilometrico");
}

QString* TfrmTrovaChilometrico::UltimaRicerca() {
    return &ultimaRicerca;
}

void TfrmTrovaChilometrico::pick(qint64 number, const common::Record& record) {
    if (common::Trim(ui->lblMemory->text()) == QLatin1String("chilometrico"))
        mileage::loadIntoCard(number, record);
}
