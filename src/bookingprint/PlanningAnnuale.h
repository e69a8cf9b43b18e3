// The year sheet of the planner, "Planning Annuale": one landscape A4 page with the title, the grid of
// twelve months by thirty-one days with an "X" on every booked day, the vehicle and the time of printing.
#pragma once

#include <QString>

#include <bitset>
#include <memory>

namespace platform {
class Report;
}

namespace bookingprint {

inline constexpr int kSheetDays = 366;

// What the sheet shows of one planner; texts as they are to print.
struct PlannerSheet {
    QString year;
    QString vehicle;
    QString make;
    QString model;
    QString plate;
    std::bitset<kSheetDays> booked; // by day slot - 1
    QString printedOn;
};

// The layout as laid out, before any fill.
std::unique_ptr<platform::Report> makePlanningAnnuale();
// The name of the day memo of a day slot: "txtGen_01" .. "txtDic_31".
QString dayMemoName(int slot);
// Writes the planner's texts into the named memos and sets the page to landscape.
void fillPlanningAnnuale(platform::Report& report, const PlannerSheet& sheet);

} // namespace bookingprint
