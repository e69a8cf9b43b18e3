// The mileage windows on a small screen: each fits the screen's free area, and none of its controls lies
// outside what the window shows.
#include "ScreenFit.h"
#include "mileage/MileageLists.h"
#include "mileage/TfrmChilometrico.h"
#include "mileage/TfrmExpChilometrico.h"
#include "mileage/TfrmTrovaChilometrico.h"

int main(int argc, char** argv) {
    using testsupport::registered;
    return testsupport::runScreenFit(argc, argv,
                                     {
                                         {"frmChilometrico", registered<TfrmChilometrico>()},
                                         {"frmExpChilometrico", registered<TfrmExpChilometrico>()},
                                         {"frmTrovaChilometrico", registered<TfrmTrovaChilometrico>()},
                                         {"frmEffettuate", registered<TfrmEffettuate>()},
                                         {"frmDaEffettuare", registered<TfrmDaEffettuare>()},
                                         {"frmScaduteKm", registered<TfrmScaduteKm>()},
                                     });
}
