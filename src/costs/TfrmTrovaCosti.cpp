#include "costs/TfrmTrovaCosti.h"

#include "common/Text.h"
#include "common/WindowRegistry.h"
#include "costs/CostLists.h"
#include "costs/SchedaCosto.h"
#include "costs/TfrmCosti.h"
#include "ui_TfrmTrovaCosti.h"

using namespace costs::SchedaCosto;

namespace {
QString ultimaRicerca;
} // namespace

TfrmTrovaCosti::TfrmTrovaCosti(QWidget* parent)
    : common::SearchWindow(parent)
    , ui(std::make_unique<Ui::frmTrovaCosti>()) {
    ui->setupUi(this);
    setNoTitleButtons();
    setCentredOnScreen(true);
    bindSearch({ui->txtData, ui->txtCausale, ui->txtConducente, ui->txtPagatore, ui->txtBeneficiario,
                ui->txtTarga, ui->txtMarca, ui->txtModello, ui->txtDescrizione, ui->txtNote},
               {ui->effCampo01, ui->effCampo02, ui->effCampo03, ui->effCampo04, ui->effCampo05,
                ui->effCampo06, ui->effCampo07, ui->effCampo08, ui->effCampo09, ui->effCampo10},
               FindFrame::With);
}

TfrmTrovaCosti::~TfrmTrovaCosti() = default;

void TfrmTrovaCosti::setCallerTag(const QString& tag) {
    ui->lblMemory->setText(tag);
}

common::ArchiveFile TfrmTrovaCosti::openArchive() {
    const auto* card = common::sharedWindow<TfrmCosti>(QStringLiteral("frmCosti"));
    return costs::openCostArchive(card ? card->costFile() : QString());
}

QList<int> TfrmTrovaCosti::filterFields() const {
    return {Data, Causale, Conducente, Pagatore, Beneficiario, Targa, Marca, Modello, Descrizione, Note};
}

QString TfrmTrovaCosti::lineOf(const common::Record& record) const {
    return costs::costLine(record);
}

QString TfrmTrovaCosti::countText(int count) const {
    return QStringLiteral("Il presente elenco contiene %1 schede.").arg(count);
}

QString TfrmTrovaCosti::printTitle() const {
    return QStringLiteral("Riepilogo costi sostenuti");
}

QString* TfrmTrovaCosti::UltimaRicerca() {
    return &ultimaRicerca;
}

void TfrmTrovaCosti::pick(qint64 number, const common::Record& record) {
    // Only the cost card's own search loads; any other caller gets nothing.
    if (common::Trim(ui->lblMemory->text()) == QLatin1String("Costi"))
        costs::showInCard(number, record);
}
