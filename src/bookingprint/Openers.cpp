#include "bookingprint/Openers.h"

#include "bookingprint/TfrmAnteprimaPlanning.h"
#include "bookingprint/TfrmRiepPrenotazioni.h"
#include "bookingprint/TfrmStampaPlanning.h"
#include "planner/TfrmPlanning.h"

namespace bookingprint {

namespace {

// Created with the planner as owner, shown modally, destroyed when closed.
template <class Window> void openFor(QWidget* owner) {
    Window window(owner);
    window.exec();
}

} // namespace

void registerPlannerOpeners() {
    planner::PlannerOpeners& openers = planner::plannerOpeners();
    openers.print = &openFor<TfrmStampaPlanning>;
    openers.preview = &openFor<TfrmAnteprimaPlanning>;
    openers.summary = &openFor<TfrmRiepPrenotazioni>;
}

} // namespace bookingprint
