// The interval booking's rules: the month boxes' names, the composed dates and the walk over the year.
#pragma once

#include <QDate>
#include <QString>

class TfrmPlanning;

namespace booking {

// The month (1 to 12) of a month box's text, lower-cased (A-Z only) and trimmed; 0 when it names none.
int monthOfName(const QString& text);
// True when a day box's text, trimmed, is one of "01" .. "31".
bool isDayEntry(const QString& text);
// "dd/mm/yyyy" from the trimmed day text, the month box's text and the trimmed year; empty when the
// month box names no month.
QString composeDate(const QString& day, const QString& month, const QString& year);
// Books every day of year from start to end, both included, with text in the planner; 29 February only
// when the year has it. Returns how many days were booked.
int bookInterval(TfrmPlanning& planner, int year, const QDate& start, const QDate& end, const QString& text);

} // namespace booking
