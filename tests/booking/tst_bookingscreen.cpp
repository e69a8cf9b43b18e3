// The booking dialogs on a small screen: each fits the screen's free area, and none of its controls lies
// outside what the window shows.
#include "ScreenFit.h"
#include "booking/TfrmGiorno.h"
#include "booking/TfrmIntervallo.h"

int main(int argc, char** argv) {
    using testsupport::registered;
    return testsupport::runScreenFit(argc, argv,
                                     {
                                         {"frmGiorno", registered<TfrmGiorno>()},
                                         {"frmIntervallo", registered<TfrmIntervallo>()},
                                     });
}
