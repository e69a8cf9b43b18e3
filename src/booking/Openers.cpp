#include "booking/Openers.h"

#include "booking/TfrmGiorno.h"
#include "planner/TfrmPlanning.h"

namespace booking {

void registerWithPlanner() {
    planner::plannerOpeners().day = [](QWidget* owner, const planner::DayDialogPreset& preset) {
        TfrmGiorno dialog(owner);
        dialog.preset(preset);
        dialog.exec();
    };
}

} // namespace booking
