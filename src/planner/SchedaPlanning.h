// The planner file: one TSchedaPlanning record with one vehicle's bookings for one year.
#pragma once

#include "common/Archive.h"
#include "planner/DayCalendar.h"

#include <QString>

#include <array>

namespace planner {

inline constexpr int kPlannerRecordSize = 18850;
inline constexpr int kBookingWidth = 50;

namespace SchedaPlanning {
// Prenotazione of slot k is field Prenotazione + k - 1.
enum Field { Veicolo, Marca, Modello, Targa, Prenotazione, FieldCount = Prenotazione + kDaySlots };
const common::RecordLayout& layout();
constexpr int dayField(int slot) {
    return Prenotazione + slot - 1;
}
} // namespace SchedaPlanning

struct PlannerHeader {
    QString veicolo;
    QString marca;
    QString modello;
    QString targa;
};

// The booking texts of slots 1 to 366, at index slot - 1.
using DayTexts = std::array<QString, kDaySlots>;

// "Prenotazioni veicolo targa " + plate + " anno " + year + ".pln", nothing replaced.
QString plannerFileName(const QString& plate, const QString& year);
// False when the plate holds a character that no file name may hold: / \ : * ? " < > | or a control code.
bool plateFitsFileName(const QString& plate);

// Opens the planner file at path, creating a missing one empty, and reads its first record into days
// (trimmed texts). False, days untouched, when the file holds no whole record. Throws common::Failure, also
// when a save could not replace the file (no new file can be made beside it).
bool loadPlanner(const QString& path, DayTexts& days);
// Writes header and days as the file's first record, over it or as it, keeping any later bytes, and puts
// it on the disk before returning; the whole file is replaced through the safe write, so the old file
// stays as it was on any failure. Throws common::Failure.
void savePlanner(const QString& path, const PlannerHeader& header, const DayTexts& days);
// Opens the planner file at path, creating a missing one empty, and writes nothing. Throws common::Failure.
void touchPlanner(const QString& path);

} // namespace planner
