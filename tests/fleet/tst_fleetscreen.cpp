// The vehicle windows on a small screen: each fits the screen's free area, and none of its controls lies
// outside what the window shows.
#include "ScreenFit.h"
#include "fleet/DeadlineList.h"
#include "fleet/TfrmAllegaCartella.h"
#include "fleet/TfrmAnteprimaAutomezzo.h"
#include "fleet/TfrmExpVeicolario.h"
#include "fleet/TfrmMenuScadenze.h"
#include "fleet/TfrmSlideshow_Automezzi.h"
#include "fleet/TfrmStampaAutomezzo.h"
#include "fleet/TfrmTrovaAutomezzi.h"
#include "fleet/TfrmVeicolario.h"
#include "fleet/TfrmZoom.h"

int main(int argc, char** argv) {
    using testsupport::registered;
    return testsupport::runScreenFit(argc, argv,
                                     {
                                         {"frmVeicolario", registered<TfrmVeicolario>()},
                                         {"frmAllegaCartella", registered<TfrmAllegaCartella>()},
                                         {"frmZoom", registered<TfrmZoom>()},
                                         {"frmSlideshow_Automezzi", registered<TfrmSlideshow_Automezzi>()},
                                         {"frmTrovaAutomezzi", registered<TfrmTrovaAutomezzi>()},
                                         {"frmStampaAutomezzo", registered<TfrmStampaAutomezzo>()},
                                         {"frmAnteprimaAutomezzo", registered<TfrmAnteprimaAutomezzo>()},
                                         {"frmExpVeicolario", registered<TfrmExpVeicolario>()},
                                         {"frmMenuScadenze", registered<TfrmMenuScadenze>()},
                                         {"frmScadRevisione", registered<TfrmScadRevisione>()},
                                         {"frmScadTagliando", registered<TfrmScadTagliando>()},
                                         {"frmScadAssicurazione", registered<TfrmScadAssicurazione>()},
                                         {"frmScadBollo", registered<TfrmScadBollo>()},
                                     });
}
