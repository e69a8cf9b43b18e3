// The program's clock: today's date and the time, from one clock that tests can set.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace common {

QDateTime now();
// The date part of now().
QDate today();
// Tests only: a fixed now; an invalid one restores the system clock.
void setNowForTests(const QDateTime& when);
// Tests only: a fixed today at midnight; an invalid date restores the system clock.
void setTodayForTests(const QDate& date);

// The footer of a printout: "Stampa eseguita in data dd/MM/yyyy alle ore HH:mm:ss", local time, no zone.
QString printedOnText(const QDateTime& when);
QString printedOnText();

} // namespace common
