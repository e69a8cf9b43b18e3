// The planner's print, preview and summary windows on a small screen: each fits the screen's free area, and
// none of its controls lies outside what the window shows.
#include "ScreenFit.h"
#include "bookingprint/TfrmAnteprimaPlanning.h"
#include "bookingprint/TfrmRiepPrenotazioni.h"
#include "bookingprint/TfrmStampaPlanning.h"

int main(int argc, char** argv) {
    using testsupport::registered;
    return testsupport::runScreenFit(argc, argv,
                                     {
                                         {"frmStampaPlanning", registered<TfrmStampaPlanning>()},
                                         {"frmAnteprimaPlanning", registered<TfrmAnteprimaPlanning>()},
                                         {"frmRiepPrenotazioni", registered<TfrmRiepPrenotazioni>()},
                                     });
}
