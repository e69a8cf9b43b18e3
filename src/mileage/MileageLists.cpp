#include "mileage/MileageLists.h"

#include "common/Failure.h"
#include "common/WindowRegistry.h"
#include "mileage/SchedaChilometrico.h"
#include "mileage/TfrmChilometrico.h"
#include "ui_MileageList.h"

namespace mileage {

using namespace SchedaChilometrico;

void loadIntoCard(qint64 number, const common::Record& record) {
    auto* card = common::sharedWindow<TfrmChilometrico>(QStringLiteral("frmChilometrico"));
    if (!card)
        throw common::Failure("the mileage card is missing");
    card->showRecord(record, number);
}

MileageList::MileageList(const common::SummaryKind& kind, QWidget* parent)
    : common::SummaryWindow(kind, parent)
    , ui(std::make_unique<Ui::frmMileageList>()) {
    ui->setupUi(this);
    bindSummary();
}

MileageList::~MileageList() = default;

common::ArchiveFile MileageList::openArchive() {
    return openMileageArchive();
}

void MileageList::loadIntoCard(qint64 number, const common::Record& record) {
    mileage::loadIntoCard(number, record);
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

const common::SummaryKind kEffettuate{"frmEffettuate",
                                      " Riepilogo manutenzioni effettuate",
                                      "Riepilogo manutenzioni effettuate",
                                      isDone,
                                      lineDone,
                                      &lastDone};
const common::SummaryKind kDaEffettuare{"frmDaEffettuare",
                                        " Riepilogo manutenzioni da effettuare",
                                        "Riepilogo manutenzioni da effettuare",
                                        isNotDone,
                                        lineToDo,
                                        &lastToDo};
const common::SummaryKind kScaduteKm{
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
