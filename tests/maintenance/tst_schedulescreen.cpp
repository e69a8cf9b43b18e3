// The appointment windows on a small screen: each fits the screen's free area, and none of its controls lies
// outside what the window shows.
#include "ScreenFit.h"
#include "maintenance/ScheduleExports.h"
#include "maintenance/ScheduleLists.h"
#include "maintenance/TfrmScadenzario.h"

int main(int argc, char** argv) {
    using testsupport::registered;
    return testsupport::runScreenFit(argc, argv,
                                     {
                                         {"frmScadenzario", registered<TfrmScadenzario>()},
                                         {"frmExpImminenti", registered<TfrmExpImminenti>()},
                                         {"frmExpGiornaliere", registered<TfrmExpGiornaliere>()},
                                         {"frmExpMensili", registered<TfrmExpMensili>()},
                                         {"frmExpScadenzario", registered<TfrmExpScadenzario>()},
                                         {"frmConfermati", registered<TfrmConfermati>()},
                                         {"frmNonConfermati", registered<TfrmNonConfermati>()},
                                         {"frmTrovaScadenzario", registered<TfrmTrovaScadenzario>()},
                                         {"frmDaConfermare", registered<TfrmDaConfermare>()},
                                     });
}
