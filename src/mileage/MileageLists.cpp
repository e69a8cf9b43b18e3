#include "mileage/MileageLists.h"

#include "common/Failure.h"
#include "common/WindowRegistry.h"
#include "mileage/SchedaChilometrico.h"
#include "mileage/TfrmChilometrico.h"
#include "ui_MileageList.h"

namespace mileage {

using namespace SchedaChilometrico;

void collectLines(common::ArchiveFile& archive, const ListKind& kind, QStringList& lines,
                  std::vector<qint64>& numbers) {
    lines.reserve(archive.count());
    archive.forEach([&](qint64 number, const common::Record& record) {
        if (kind.selects(record)) {
            lines << kind.lineOf(record);
            numbers.push_back(number);
        }
    });
}

void loadIntoCard(qint64 number, const common::Record& record) {
    auto* card = common::sharedWindow<TfrmChilometrico>(QStringLiteral("frmChilometrico"));
    if (!card)
        throw common::Failure("the mileage card is missing");
    card->showRecord(record, number);
}

MileageList::MileageList(const ListKind& kind, QWidget* parent)
    : common::ListWindow(parent)
    , ui(std::make_unique<Ui::frmMileageList>())
    , kind_(kind) {
    ui->setupUi(this);
    setObjectName(QLatin1String(kind.instanceName));
    setWindowTitle(QString::fromUtf8(kind.caption));
    ui->lblTitolo->setText(QString::fromUtf8(kind.caption).trimmed());
    setFixedSize(size());
    setNoTitleButtons();
    setCentredOnScreen(true);
    bindList(ui->lstRecords, ui->btnStampa, ui->btnChiudi, ui->txtTrova, ui->btnTrova, ui->effTrova);
}

MileageList::~MileageList() = default;

QString MileageList::printTitle() const {
    return QString::fromUtf8(kind_.printTitle);
}

void MileageList::FormShow() {
    resetFind();
    QStringList lines;
    std::vector<qint64> numbers;
    try {
        common::ArchiveFile archive = openMileageArchive();
        clearLines();
        collectLines(archive, kind_, lines, numbers);
    } catch (const std::exception&) {
        // Filling is silent: what was gathered before the failure is shown.
    }
    setLines(std::move(lines), std::move(numbers));
    ui->txtTrova->setFocus();
}

void MileageList::loadChosen(const QString& chosen) {
    common::ArchiveFile archive = openMileageArchive();
    common::loadMatchingRecords(archive, chosen, listedNumbers(), kind_.lineOf, loadIntoCard);
}

namespace {

bool isDone(const common::Record& r) {
    return r.get(Effettuata) == kDone;
}
bool isNotDone(const common::Record& r) {
    return r.get(Effettuata) == kNotDone;
}
bool isOverdue(const common::Record& r) {
    return r.get(StatoManutenzione) == kScaduta && r.get(Effettuata) == kNotDone;
}

QString lastDone;
QString lastToDo;
QString lastOverdue;

const ListKind kEffettuate{"frmEffettuate",
                           " Riepilogo manutenzioni effettuate",
                           "Riepilogo manutenzioni effettuate",
                           isDone,
                           lineDone,
                           &lastDone};
const ListKind kDaEffettuare{"frmDaEffettuare",
                             " Riepilogo manutenzioni da effettuare",
                             "Riepilogo manutenzioni da effettuare",
                             isNotDone,
                             lineToDo,
                             &lastToDo};
const ListKind kScaduteKm{
    "frmScaduteKm", " Riepilogo manutenzioni scadute", "Riepilogo manutenzioni scadute", isOverdue, lineToDo,
    &lastOverdue};

} // namespace

} // namespace mileage

TfrmEffettuate::TfrmEffettuate(QWidget* parent)
    : mileage::MileageList(mileage::kEffettuate, parent) {}
TfrmDaEffettuare::TfrmDaEffettuare(QWidget* parent)
    : mileage::MileageList(mileage::kDaEffettuare, parent) {}
TfrmScaduteKm::TfrmScaduteKm(QWidget* parent)
    : mileage::MileageList(mileage::kScaduteKm, parent) {}
