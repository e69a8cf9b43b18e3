#include "common/Clock.h"

namespace common {

namespace {
QDate& fixedDate() {
    static QDate date;
    return date;
}
} // namespace

QDate today() {
    return fixedDate().isValid() ? fixedDate() : QDate::currentDate();
}

void setTodayForTests(const QDate& date) {
    fixedDate() = date;
}

} // namespace common
