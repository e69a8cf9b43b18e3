// How the planner opens the booking dialogs.
#pragma once

namespace booking {

// Tells the planner how to open the single-day and the interval dialogs.
void registerWithPlanner();

} // namespace booking
