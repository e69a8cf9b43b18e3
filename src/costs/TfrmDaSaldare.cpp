#include "costs/TfrmDaSaldare.h"

#include "common/WindowRegistry.h"
#include "costs/CostLists.h"
#include "costs/SchedaCosto.h"
#include "costs/TfrmCosti.h"
#include "ui_TfrmDaSaldare.h"

namespace {

QString ultimaRicerca;

const common::SummaryKind kDaSaldare{"frmDaSaldare",
                                     " Riepilogo pagamenti da saldare",
                                     "Riepilogo pagamenti da saldare",
                                     costs::isUnpaid,
                                     costs::costLine,
                                     &ultimaRicerca};

} // namespace

TfrmDaSaldare::TfrmDaSaldare(QWidget* parent)
    : common::SummaryWindow(kDaSaldare, parent)
    , ui(std::make_unique<Ui::frmDaSaldare>()) {
    ui->setupUi(this);
    bindSummary();
}

TfrmDaSaldare::~TfrmDaSaldare() = default;

common::ArchiveFile TfrmDaSaldare::openArchive() {
    const auto* card = common::sharedWindow<TfrmCosti>(QStringLiteral("frmCosti"));
    return costs::openCostArchive(card ? card->costFile() : QString());
}

void TfrmDaSaldare::loadIntoCard(qint64 number, const common::Record& record) {
    costs::showInCard(number, record);
}
