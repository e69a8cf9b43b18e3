#include "costs/TfrmDaSaldare.h"

#include "common/WindowRegistry.h"
#include "costs/CostLists.h"
#include "costs/SchedaCosto.h"
#include "costs/TfrmCosti.h"
#include "ui_TfrmDaSaldare.h"

namespace {
QString ultimaRicerca;
} // namespace

TfrmDaSaldare::TfrmDaSaldare(QWidget* parent)
    : common::ListWindow(parent)
    , ui(std::make_unique<Ui::frmDaSaldare>()) {
    ui->setupUi(this);
    setFixedSize(size());
    setNoTitleButtons();
    setCentredOnScreen(true);
    bindList(ui->lstRecords, ui->btnStampa, ui->btnChiudi, ui->txtTrova, ui->btnTrova, ui->effTrova);
}

TfrmDaSaldare::~TfrmDaSaldare() = default;

QString TfrmDaSaldare::printTitle() const {
    return QStringLiteral("Riepilogo pagamenti da saldare");
}

QString* TfrmDaSaldare::UltimaRicerca() {
    return &ultimaRicerca;
}

void TfrmDaSaldare::FormShow() {
    resetFind();
    QStringList lines;
    std::vector<qint64> numbers;
    bool filled = false;
    try {
        const auto* card = common::sharedWindow<TfrmCosti>(QStringLiteral("frmCosti"));
        common::ArchiveFile archive = costs::openCostArchive(card ? card->costFile() : QString());
        costs::collectCostLines(archive, &costs::isUnpaid, lines, numbers);
        archive.close();
        filled = true;
    } catch (const std::exception&) {
        // Filling is silent: the lines gathered before the failure stay, and the focus stays.
    }
    setLines(std::move(lines), std::move(numbers));
    if (filled)
        ui->txtTrova->setFocus();
}

void TfrmDaSaldare::loadChosen(const QString& chosen) {
    costs::loadChosenCost(chosen, listedNumbers());
}
