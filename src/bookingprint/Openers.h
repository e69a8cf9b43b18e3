// Hands the planner the openers of its print, preview and summary commands.
#pragma once

namespace bookingprint {

void registerPlannerOpeners();

} // namespace bookingprint
