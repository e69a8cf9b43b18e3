// The list lines of the vehicle archive and the seven-day rule of the deadline lists.
#pragma once

#include "common/Archive.h"

#include <QDate>
#include <QStringList>

namespace fleet {

// The line of the vehicle search: type, make and model, plate, owner, registration, kilometres.
QString vehicleLine(const common::Record& vehicle);
// The line of a deadline list: type, make and model, plate, the due date of dueField, kilometres, owner.
QString deadlineLine(const common::Record& vehicle, int dueField);

// A due date as the card writes it ("dd/mm/yyyy"); an invalid date when the text is not one.
QDate readDueDate(const QString& text);
// Listed when the due date is past, today, or within the next seven days.
bool isDueWithinWeek(const QDate& due, const QDate& today);

// The lines of the vehicles whose dueField is due within a week of today, in file order. A due date that
// cannot be read skips its record. Lines gathered before a failure stay in lines.
void collectDeadlines(common::ArchiveFile& archive, int dueField, const QDate& today, QStringList& lines);

} // namespace fleet
