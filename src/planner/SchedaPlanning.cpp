#include "planner/SchedaPlanning.h"

#include "common/Failure.h"
#include "platform/Files.h"
#include "platform/SafeFile.h"

namespace planner {

namespace SchedaPlanning {

namespace {
constexpr std::array<common::FieldSpec, FieldCount> kFields = [] {
    std::array<common::FieldSpec, FieldCount> fields{};
    fields[Veicolo] = {"Veicolo", 50};
    fields[Marca] = {"Marca", 50};
    fields[Modello] = {"Modello", 50};
    fields[Targa] = {"Targa", 30};
    for (int slot = 1; slot <= kDaySlots; ++slot)
        fields[dayField(slot)] = {"Prenotazione", kBookingWidth};
    return fields;
}();
static_assert(common::recordSize(kFields) == kPlannerRecordSize);
} // namespace

const common::RecordLayout& layout() {
    static const common::RecordLayout layout{std::span<const common::FieldSpec>(kFields)};
    return layout;
}

} // namespace SchedaPlanning

namespace {

// The save replaces the whole file through a temporary made beside it: where none can be made, nothing
// typed in the planner could be kept. The same temporary is made here and dropped at once.
void checkReplaceable(const QString& path) {
    platform::SafeFile probe(path);
    if (!probe.open())
        throw common::Failure("the planner could not be saved: " + probe.errorString().toStdString());
    probe.cancel();
}

} // namespace

QString plannerFileName(const QString& plate, const QString& year) {
    return QStringLiteral("Prenotazioni veicolo targa ") + plate + QStringLiteral(" anno ") + year +
           QStringLiteral(".pln");
}

bool plateFitsFileName(const QString& plate) {
    for (const QChar c : plate) {
        if (c.unicode() < 32 || c.unicode() == 127 || QStringLiteral("/\\:*?\"<>|").contains(c))
            return false;
    }
    return true;
}

bool loadPlanner(const QString& path, DayTexts& days) {
    common::ArchiveFile file = common::ArchiveFile::atPath(path, SchedaPlanning::layout());
    checkReplaceable(path);
    if (file.count() == 0)
        return false;
    const common::Record record = file.read(1);
    for (int slot = 1; slot <= kDaySlots; ++slot)
        days[slot - 1] = record.get(SchedaPlanning::dayField(slot));
    file.close();
    return true;
}

void savePlanner(const QString& path, const PlannerHeader& header, const DayTexts& days) {
    common::Record record(SchedaPlanning::layout());
    record.set(SchedaPlanning::Veicolo, header.veicolo);
    record.set(SchedaPlanning::Marca, header.marca);
    record.set(SchedaPlanning::Modello, header.modello);
    record.set(SchedaPlanning::Targa, header.targa);
    for (int slot = 1; slot <= kDaySlots; ++slot)
        record.set(SchedaPlanning::dayField(slot), days[slot - 1]);
    // Opened as every archive is: a missing planner is created, one that is read-only, locked or no regular
    // file fails here and is never replaced.
    common::ArchiveFile::atPath(path, SchedaPlanning::layout()).close();
    // Record 1 from the file's first byte (a file shorter than a record counts as empty), any later bytes
    // kept, all through the safe write: a save stopped half-way leaves the old file or the new one.
    if (!platform::replaceFileStart(path, record.bytes()))
        throw common::Failure("cannot save the planner: " + path.toStdString());
}

void touchPlanner(const QString& path) {
    common::ArchiveFile file = common::ArchiveFile::atPath(path, SchedaPlanning::layout());
    file.close();
}

} // namespace planner
