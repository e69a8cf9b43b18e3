// The planner windows on a small screen: each fits the screen's free area, and none of its controls lies
// outside what the window shows.
#include "ScreenFit.h"
#include "planner/TfrmMenuDisponibili.h"
#include "planner/TfrmPlanning.h"

int main(int argc, char** argv) {
    using testsupport::registered;
    return testsupport::runScreenFit(argc, argv,
                                     {
                                         {"frmMenuDisponibili", registered<TfrmMenuDisponibili>()},
                                         {"frmPlanning", registered<TfrmPlanning>()},
                                     });
}
