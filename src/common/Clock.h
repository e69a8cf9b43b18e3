// The one source of "today", replaceable in tests so date rules run on fixed dates.
#pragma once

#include <QDate>

namespace common {

QDate today();
// Tests fix the date; an invalid date restores the system clock.
void setTodayForTests(const QDate& date);

} // namespace common
