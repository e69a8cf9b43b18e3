#include "planner/DayCalendar.h"

#include <QHash>

namespace planner {

namespace {

QString twoDigits(int n) {
    return QString::number(n).rightJustified(2, QLatin1Char('0'));
}

} // namespace

QString dayTag(int slot) {
    const int month = monthOfSlot(slot);
    if (month == 0)
        return {};
    return QLatin1String(kMonths[month - 1].tag) + QLatin1Char('_') + twoDigits(dayOfSlot(slot));
}

int slotOfTag(const QString& tag) {
    static const QHash<QString, int> bySlot = [] {
        QHash<QString, int> table;
        table.reserve(kDaySlots);
        for (int slot = 1; slot <= kDaySlots; ++slot)
            table.insert(dayTag(slot), slot);
        return table;
    }();
    return bySlot.value(tag, 0);
}

QString cellSuffix(int slot) {
    const int month = monthOfSlot(slot);
    if (month == 0)
        return {};
    return QLatin1String(kMonths[month - 1].cell) + QLatin1Char('_') + twoDigits(dayOfSlot(slot));
}

QString monthName(int month) {
    if (month < 1 || month > 12)
        return {};
    return QLatin1String(kMonths[month - 1].name);
}

QDate dateOfSlot(int slot, int year) {
    const int month = monthOfSlot(slot);
    if (month == 0)
        return {};
    return QDate(year, month, dayOfSlot(slot));
}

} // namespace planner
