// Today's date, from one clock that tests can set.
#pragma once

#include <QDate>

namespace common {

QDate today();
// Tests only: a fixed today; an invalid date restores the system clock.
void setTodayForTests(const QDate& date);

} // namespace common
