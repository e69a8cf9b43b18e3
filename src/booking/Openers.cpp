#include "booking/Openers.h"

#include "booking/TfrmGiorno.h"
#include "booking/TfrmIntervallo.h"
#include "planner/TfrmPlanning.h"

namespace booking {

void registerWithPlanner() {
    planner::plannerOpeners().day = [](QWidget* owner, const planner::DayDialogPreset& preset) {
        TfrmGiorno dialog(owner);
        dialog.preset(preset);
        dialog.exec();
    };
    planner::plannerOpeners().interval = [](QWidget* owner, const planner::IntervalDialogPreset& preset) {
        TfrmIntervallo dialog(owner);
        dialog.preset(preset);
        dialog.exec();
    };
}

} // namespace booking
