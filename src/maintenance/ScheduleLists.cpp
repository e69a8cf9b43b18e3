#include "maintenance/ScheduleLists.h"

#include "common/Failure.h"
#include "common/Text.h"
#include "common/WindowRegistry.h"
#include "maintenance/SchedaScadenza.h"
#include "maintenance/TfrmScadenzario.h"
#include "ui_ScheduleSummary.h"
#include "ui_TfrmTrovaScadenzario.h"

#include <QLabel>
#include <QLineEdit>

using namespace maintenance::SchedaScadenza;

namespace maintenance {

TfrmScadenzario* scheduleWindow(QWidget* owner) {
    if (auto* schedule = qobject_cast<TfrmScadenzario*>(owner))
        return schedule;
    return common::sharedWindow<TfrmScadenzario>(QStringLiteral("frmScadenzario"));
}

namespace {

common::ArchiveFile openOwnersYear(QWidget* owner) {
    TfrmScadenzario* schedule = scheduleWindow(owner);
    if (!schedule)
        throw common::Failure("the schedule window is missing");
    return openYearFile(schedule->yearFile());
}

void loadIntoCard(QWidget* owner, qint64 number, const common::Record& record) {
    TfrmScadenzario* schedule = scheduleWindow(owner);
    if (!schedule)
        throw common::Failure("the schedule window is missing");
    schedule->showRecord(record, number);
}

} // namespace

ScheduleSummary::ScheduleSummary(const common::SummaryKind& kind, QWidget* parent)
    : common::SummaryWindow(kind, parent)
    , ui(std::make_unique<Ui::frmRiepilogo>()) {
    ui->setupUi(this);
    bindSummary();
}

ScheduleSummary::~ScheduleSummary() = default;

common::ArchiveFile ScheduleSummary::openArchive() {
    return openOwnersYear(parentWidget());
}

void ScheduleSummary::loadIntoCard(qint64 number, const common::Record& record) {
    maintenance::loadIntoCard(parentWidget(), number, record);
}

namespace {
QString findConfermati, findNonConfermati, findDaConfermare, findTrova;

bool toDo(const common::Record& r) {
    return r.get(Effettuata) == kNo;
}
bool done(const common::Record& r) {
    return r.get(Effettuata) == kSi;
}
bool toConfirm(const common::Record& r) {
    return r.get(AppDaConfermare) == kSi;
}

const common::SummaryKind kConfermati{"frmConfermati",
                                      " Riepilogo manutenzioni da effettuare",
                                      "Riepilogo manutenzioni da effettuare",
                                      toDo,
                                      appointmentLine,
                                      &findConfermati};
const common::SummaryKind kNonConfermati{"frmNonConfermati",
                                         " Riepilogo manutenzioni effettuate",
                                         "Riepilogo manutenzioni effettuate",
                                         done,
                                         appointmentLine,
                                         &findNonConfermati};
const common::SummaryKind kDaConfermare{"frmDaConfermare",
                                        " Riepilogo appuntamenti da confermare",
                                        "Riepilogo appuntamenti da confermare",
                                        toConfirm,
                                        appointmentLine,
                                        &findDaConfermare};
} // namespace

} // namespace maintenance

TfrmConfermati::TfrmConfermati(QWidget* parent)
    : maintenance::ScheduleSummary(maintenance::kConfermati, parent) {}
TfrmNonConfermati::TfrmNonConfermati(QWidget* parent)
    : maintenance::ScheduleSummary(maintenance::kNonConfermati, parent) {}
TfrmDaConfermare::TfrmDaConfermare(QWidget* parent)
    : maintenance::ScheduleSummary(maintenance::kDaConfermare, parent) {}

TfrmTrovaScadenzario::TfrmTrovaScadenzario(QWidget* parent)
    : common::SearchWindow(parent)
    , ui(std::make_unique<Ui::frmTrovaScadenzario>()) {
    ui->setupUi(this);
    setNoTitleButtons();
    setCentredOnScreen(true);
    bindSearch({ui->txtData, ui->txtOra, ui->txtConducente, ui->txtCodFisc, ui->txtManutenzione, ui->txtTarga,
                ui->txtMarca, ui->txtModello, ui->txtDettagli, ui->txtNote},
               {ui->effData, ui->effOra, ui->effConducente, ui->effCodFisc, ui->effManutenzione, ui->effTarga,
                ui->effMarca, ui->effModello, ui->effDettagli, ui->effNote},
               FindFrame::Without);
}

TfrmTrovaScadenzario::~TfrmTrovaScadenzario() = default;

void TfrmTrovaScadenzario::setCallerTag(const QString& tag) {
    ui->lblMemory->setText(tag);
}

common::ArchiveFile TfrmTrovaScadenzario::openArchive() {
    return maintenance::openOwnersYear(parentWidget());
}

QList<int> TfrmTrovaScadenzario::filterFields() const {
    return {Data, Ora, Conducente, CodiceFiscale, Manutenzione, Targa, Marca, Modello, Dettagli, Note};
}

QString TfrmTrovaScadenzario::lineOf(const common::Record& record) const {
    return maintenance::appointmentLine(record);
}

QString TfrmTrovaScadenzario::countText(int count) const {
    return QStringLiteral("Il presente elenco contiene %1 schede.").arg(count);
}

QString TfrmTrovaScadenzario::printTitle() const {
    return QStringLiteral("Riepilogo scadenze manutenzioni");
}

QString* TfrmTrovaScadenzario::UltimaRicerca() {
    return &maintenance::findTrova;
}

void TfrmTrovaScadenzario::pick(qint64 number, const common::Record& record) {
    if (common::Trim(ui->lblMemory->text()) == QLatin1String("Scadenzario"))
        maintenance::loadIntoCard(parentWidget(), number, record);
}
