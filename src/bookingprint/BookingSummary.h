// The lines and the print title of the booking summary.
#pragma once

#include <QStringList>

#include <functional>

namespace bookingprint {

// The day of a slot as the summary shows it, 15 characters: "01 gennaio     ".
QString dayLiteral(int slot);
// Appends one line per booked day in calendar order: the day's literal and its booking text, trimmed.
// dayText gives a slot's booking text; should it throw, the lines appended so far stay.
void appendSummaryLines(QStringList& lines, const std::function<QString(int slot)>& dayText);
QString summaryTitle(const QString& make, const QString& model, const QString& year);

} // namespace bookingprint
