#include "fleet/DeadlineList.h"

#include "common/Clock.h"
#include "fleet/SchedaVeicolo.h"
#include "fleet/VehicleLines.h"
#include "ui_DeadlineList.h"

namespace fleet {

DeadlineList::DeadlineList(const DeadlineKind& kind, QWidget* parent)
    : common::ListWindow(parent)
    , ui(std::make_unique<Ui::frmScadenze>())
    , kind_(kind) {
    ui->setupUi(this);
    setObjectName(QLatin1String(kind.instanceName));
    setWindowTitle(QString::fromUtf8(kind.caption));
    ui->lblTitolo->setText(QString::fromUtf8(kind.caption).trimmed());
    ui->lblRigo03->setText(QString::fromUtf8(kind.explanation));
    setFixedSize(size());
    setNoTitleButtons();
    setCentredOnScreen(true);
    bindList(ui->lstRecords, ui->btnStampa, ui->btnChiudi);
}

DeadlineList::~DeadlineList() = default;

QString DeadlineList::printTitle() const {
    return QString::fromUtf8(kind_.printTitle);
}

void DeadlineList::FormShow() {
    QStringList lines;
    try {
        common::ArchiveFile archive = openVehicleArchive();
        collectDeadlines(archive, kind_.dueField, common::today(), lines);
    } catch (const std::exception&) {
        // Filling is silent: what was gathered before the failure is shown.
    }
    setLines(std::move(lines));
}

namespace {
using namespace SchedaVeicolo;
const DeadlineKind kRevisione{
    "frmScadRevisione", " Veicoli con revisione in scadenza o scaduta", ScadenzaRevisione,
    "Il presente riepilogo visualizza le revisioni scadute o in scadenza nei prossimi 7 "
    "giorni",
    "Veicoli con revisione in scadenza o scadute"};
const DeadlineKind kTagliando{
    "frmScadTagliando", " Veicoli con tagliando in scadenza o scaduto", ScadenzaTagliando,
    "Il presente riepilogo visualizza i tagliandi scaduti o in scadenza nei prossimi 7 "
    "giorni",
    "Veicoli con tagliando in scadenza o scaduto"};
const DeadlineKind kAssicurazione{
    "frmScadAssicurazione", " Veicoli con assicurazione in scadenza o scaduta", ScadenzaAssicurazione,
    "Il presente riepilogo visualizza le assicurazioni scadute o in scadenza nei "
    "prossimi 7 giorni",
    "Veicoli con assicurazione in scadenza o scadute"};
const DeadlineKind kBollo{
    "frmScadBollo", " Veicoli con bollo in scadenza o scaduto", ScadenzaBollo,
    "Il presente riepilogo visualizza i bolli scaduti o in scadenza nei prossimi 7 giorni",
    "Veicoli con bollo in scadenza o scaduto"};
} // namespace

} // namespace fleet

TfrmScadRevisione::TfrmScadRevisione(QWidget* parent)
    : fleet::DeadlineList(fleet::kRevisione, parent) {}
TfrmScadTagliando::TfrmScadTagliando(QWidget* parent)
    : fleet::DeadlineList(fleet::kTagliando, parent) {}
TfrmScadAssicurazione::TfrmScadAssicurazione(QWidget* parent)
    : fleet::DeadlineList(fleet::kAssicurazione, parent) {}
TfrmScadBollo::TfrmScadBollo(QWidget* parent)
    : fleet::DeadlineList(fleet::kBollo, parent) {}
