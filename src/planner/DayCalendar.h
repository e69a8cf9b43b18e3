// The planner's day calendar: the 366 days of a leap year, whatever the planner's year, each with its slot
// (1 to 366), its tag ("gen_01" to "dic_31", "feb_29" always) and its cell names.
#pragma once

#include <QDate>
#include <QString>

#include <array>

namespace planner {

inline constexpr int kDaySlots = 366;

struct Month {
    const char* cell;  // in component names: "Gen"
    const char* tag;   // in day tags: "gen"
    const char* name;  // in texts: "gennaio"
    const char* title; // in the month boxes: "Gennaio"
    int days;          // in a leap year
    int firstSlot;
};

inline constexpr std::array<Month, 12> kMonths{{
    {"Gen", "gen", "gennaio", "Gennaio", 31, 1},
    {"Feb", "feb", "febbraio", "Febbraio", 29, 32},
    {"Mar", "mar", "marzo", "Marzo", 31, 61},
    {"Apr", "apr", "aprile", "Aprile", 30, 92},
    {"Mag", "mag", "maggio", "Maggio", 31, 122},
    {"Giu", "giu", "giugno", "Giugno", 30, 153},
    {"Lug", "lug", "luglio", "Luglio", 31, 183},
    {"Ago", "ago", "agosto", "Agosto", 31, 214},
    {"Set", "set", "settembre", "Settembre", 30, 245},
    {"Ott", "ott", "ottobre", "Ottobre", 31, 275},
    {"Nov", "nov", "novembre", "Novembre", 30, 306},
    {"Dic", "dic", "dicembre", "Dicembre", 31, 336},
}};

constexpr bool monthTableIsConsistent() {
    int slot = 1;
    for (const Month& m : kMonths) {
        if (m.firstSlot != slot)
            return false;
        slot += m.days;
    }
    return slot == kDaySlots + 1;
}
static_assert(monthTableIsConsistent());

// The slot of day of month (both 1-based) on the leap-year calendar; 0 when there is no such day.
constexpr int slotOf(int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > kMonths[month - 1].days)
        return 0;
    return kMonths[month - 1].firstSlot + day - 1;
}
// The month (1 to 12) and the day of the month of a slot; 0 for a slot outside 1 to 366.
constexpr int monthOfSlot(int slot) {
    if (slot < 1 || slot > kDaySlots)
        return 0;
    int month = 12;
    while (kMonths[month - 1].firstSlot > slot)
        --month;
    return month;
}
constexpr int dayOfSlot(int slot) {
    const int month = monthOfSlot(slot);
    return month == 0 ? 0 : slot - kMonths[month - 1].firstSlot + 1;
}

// "gen_01" .. "dic_31"; empty for a slot outside 1 to 366.
QString dayTag(int slot);
// The slot of a day tag, compared exactly (case included, no trimming); 0 for any other text.
int slotOfTag(const QString& tag);
// The day's part of its component names: "Gen_01", as in libGen_01, occGen_01, memGen_01.
QString cellSuffix(int slot);
// The month's name in texts, "gennaio" .. "dicembre"; empty outside 1 to 12.
QString monthName(int month);
// The date of a slot in year; invalid for 29 February in a common year.
QDate dateOfSlot(int slot, int year);

} // namespace planner
