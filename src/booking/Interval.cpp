#include "booking/Interval.h"

#include "common/FieldFilter.h"
#include "common/Text.h"
#include "planner/DayCalendar.h"
#include "planner/TfrmPlanning.h"

namespace booking {

int monthOfName(const QString& text) {
    const QString name = common::Trim(common::UpperAZ(text));
    for (int m = 1; m <= 12; ++m)
        if (name == common::UpperAZ(QLatin1String(planner::kMonths[m - 1].name)))
            return m;
    return 0;
}

bool isDayEntry(const QString& text) {
    const QString day = common::Trim(text);
    return day.size() == 2 && common::isDigitChar(day.at(0)) && common::isDigitChar(day.at(1)) &&
           day.toInt() >= 1 && day.toInt() <= 31;
}

QString composeDate(const QString& day, const QString& month, const QString& year) {
    const int m = monthOfName(month);
    if (m == 0)
        return {};
    return common::Trim(day) + QLatin1Char('/') + QString::number(m).rightJustified(2, QLatin1Char('0')) +
           QLatin1Char('/') + common::Trim(year);
}

int bookInterval(TfrmPlanning& planner, int year, const QDate& start, const QDate& end, const QString& text) {
    int booked = 0;
    for (int slot = 1; slot <= planner::kDaySlots; ++slot) {
        const QDate day = planner::dateOfSlot(slot, year);
        if (!day.isValid() || day < start || day > end)
            continue;
        planner.setDay(slot, text);
        ++booked;
    }
    return booked;
}

} // namespace booking
