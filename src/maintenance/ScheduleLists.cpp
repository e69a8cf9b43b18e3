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

ScheduleSummary::ScheduleSummary(const SummaryKind& kind, QWidget* parent)
    : common::ListWindow(parent)
    , ui(std::make_unique<Ui::frmRiepilogo>())
    , kind_(kind) {
    ui->setupUi(this);
    setObjectName(QLatin1String(kind.instanceName));
    setWindowTitle(QString::fromUtf8(kind.caption));
    ui->lblTitolo->setText(common::Trim(QString::fromUtf8(kind.caption)));
    setFixedSize(size());
    setNoTitleButtons();
    setCentredOnScreen(true);
    bindList(ui->lstRecords, ui->btnStampa, ui->btnChiudi, ui->txtTrova, ui->btnTrova, ui->effTrova);
}

ScheduleSummary::~ScheduleSummary() = default;

QString ScheduleSummary::printTitle() const {
    return QString::fromUtf8(kind_.title);
}

void ScheduleSummary::FormShow() {
    resetFind();
    QStringList lines;
    std::vector<qint64> numbers;
    const QString value = QString::fromUtf8(kind_.value);
    try {
        common::ArchiveFile archive = openOwnersYear(parentWidget());
        clearLines();
        archive.forEach([&](qint64 number, const common::Record& record) {
            if (record.get(kind_.field) == value) {
                lines << appointmentLine(record);
                numbers.push_back(number);
            }
        });
    } catch (const std::exception&) {
        // Filling is silent: what was gathered before the failure is shown.
    }
    setLines(std::move(lines), std::move(numbers));
    ui->txtTrova->setFocus();
}

void ScheduleSummary::loadChosen(const QString& chosen) {
    common::ArchiveFile archive = openOwnersYear(parentWidget());
    common::loadMatchingRecords(archive, chosen, listedNumbers(), &appointmentLine,
                                [this](qint64 number, const common::Record& record) {
                                    loadIntoCard(parentWidget(), number, record);
                                });
}

namespace {
QString findConfermati, findNonConfermati, findDaConfermare, findTrova;

const SummaryKind kConfermati{"frmConfermati",
                              " Riepilogo manutenzioni da effettuare",
                              Effettuata,
                              "No",
                              "Riepilogo manutenzioni da effettuare",
                              &findConfermati};
const SummaryKind kNonConfermati{"frmNonConfermati",
                                 " Riepilogo manutenzioni effettuate",
                                 Effettuata,
                                 "Sì",
                                 "Riepilogo manutenzioni effettuate",
                                 &findNonConfermati};
const SummaryKind kDaConfermare{"frmDaConfermare",
                                " Riepilogo appuntamenti da confermare",
                                AppDaConfermare,
                                "Sì",
                                "Riepilogo appuntamenti da confermare",
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
    setFixedSize(size());
    setNoTitleButtons();
    setCentredOnScreen(true);
    bindSearch({ui->txtData, ui->txtOra, ui->txtConducente, ui->txtCodFisc, ui->txtManutenzione, ui->txtTarga,
                ui->txtMarca, ui->txtModello, ui->txtDettagli, ui->txtNote},
               {ui->effData, ui->effOra, ui->effConducente, ui->effCodFisc, ui->effManutenzione, ui->effTarga,
                ui->effMarca, ui->effModello, ui->effDettagli, ui->effNote});
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
