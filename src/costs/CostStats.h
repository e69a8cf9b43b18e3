// The monthly totals of a costs year file, as the statistics chart shows them.
#pragma once

#include <QColor>
#include <QString>

namespace costs {

// The month (1 to 12) of a record's Data when it lies in year (trimmed); 0 when it is not counted.
int statisticsMonth(const QString& data, const QString& year);
// A month's total as the chart shows it: whole units, halves up; "0" for an empty text.
QString roundedMonthTotal(const QString& total);
// The colour of each month's point.
QColor monthColour(int month);

} // namespace costs
