// The year planner of one vehicle: one cell per day of a leap-year calendar, free or booked, loaded from
// the vehicle's planner file when shown and saved to it when closed.
#pragma once

#include "common/Form.h"
#include "planner/DayCalendar.h"
#include "planner/SchedaPlanning.h"

#include <array>
#include <functional>
#include <memory>

class QLabel;

namespace Ui {
class frmPlanning;
}
namespace common {
class StatusHints;
}
namespace planner {
class Picture;

// What a day click writes into the single-day dialog before showing it.
struct DayDialogPreset {
    QString tag;         // lblMemory
    QString heading;     // infGiorno
    QString vehicleLine; // infCamera
    QString text;        // txtPrenotazione
};
// What the interval command writes into the interval dialog before showing it.
struct IntervalDialogPreset {
    QString yearStart;   // lblAnnoInizio
    QString yearEnd;     // lblAnnoFine
    QString vehicleLine; // infCamera
};

// The windows that the planner's commands open belong to folders built on the planner; each registers
// how its window is created, preset, shown modally and destroyed, with the planner window as owner.
struct PlannerOpeners {
    std::function<void(QWidget* owner, const DayDialogPreset&)> day;
    std::function<void(QWidget* owner, const IntervalDialogPreset&)> interval;
    std::function<void(QWidget* owner)> summary;
    std::function<void(QWidget* owner)> preview;
    std::function<void(QWidget* owner)> print;
};
PlannerOpeners& plannerOpeners();

// "Fai clic ..." and the other status hints of the planner's commands.
inline constexpr const char* kDayHint =
    "Fai clic sul numero del giorno per inserire o cancellare una prenotazione.";

} // namespace planner

class TfrmPlanning : public common::Form {
    Q_OBJECT
public:
    explicit TfrmPlanning(QWidget* parent = nullptr);
    ~TfrmPlanning() override;

    // The header as shown, trimmed.
    QString vehicle() const;
    QString make() const;
    QString model() const;
    QString plate() const;
    QString year() const;
    // The day of a slot is booked: its booked picture is not hidden (also while the window is hidden).
    bool isDayBooked(int slot) const;
    // The booking text of a slot, trimmed; empty for a free day.
    QString dayText(int slot) const;
    // Books the slot with the trimmed text, or frees it when that is empty, as the booking dialogs do.
    void setDay(int slot, const QString& text);

    // Written by the entry window's "Apri" before it shows the planner: caption, year and header.
    void setYearAndVehicle(const QString& year, const planner::PlannerHeader& vehicle);

public Q_SLOTS:
    // The click of both pictures of a day cell (occMmm_DDClick).
    void occDayClick(int slot);
    void cmdIntervalloClick();
    void cmdRiepilogoClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdGuidaClick();
    void cmdEsciClick();
    void cmdNuovoClick();
    void cmdSalvaClick();

protected:
    void FormShow() override;
    void FormClose() override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createDayCells();
    void showDayState(int slot, bool booked);
    void showHeader(const planner::PlannerHeader& vehicle);
    // The day cells' texts as the save writes them.
    planner::DayTexts dayTexts() const;
    // After a failed load the planner takes no booking, which could never be saved: shows the archive
    // message and returns true.
    bool refuseUnreadPlanner();

    std::unique_ptr<Ui::frmPlanning> ui;
    std::array<planner::Picture*, planner::kDaySlots> lib_{};
    std::array<planner::Picture*, planner::kDaySlots> occ_{};
    std::array<QLabel*, planner::kDaySlots> mem_{};
    common::StatusHints* hints_ = nullptr;
    // The last show could not read or create the planner file, or found that no save could replace it; the
    // close then writes nothing.
    bool unread_ = false;
};
