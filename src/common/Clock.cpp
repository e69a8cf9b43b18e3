#include "common/Clock.h"

namespace common {

namespace {
QDate& fixedToday() {
    static QDate date;
    return date;
}
} // namespace

QDate today() { return fixedToday().isValid() ? fixedToday() : QDate::currentDate(); }

void setTodayForTests(const QDate& date) { fixedToday() = date; }

} // namespace common
