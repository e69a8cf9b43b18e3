// The start windows, login and tools on a small screen: each fits the screen's free area, and none of its
// controls lies outside what the window shows.
#include "ScreenFit.h"
#include "common/TfrmGuida.h"
#include "shell/TfrmAvvio.h"
#include "shell/TfrmCalendario.h"
#include "shell/TfrmCambiaPassword.h"
#include "shell/TfrmCodFisc.h"
#include "shell/TfrmInfo.h"
#include "shell/TfrmPartitaIva.h"
#include "shell/TfrmPassword.h"
#include "shell/TfrmSplash.h"

int main(int argc, char** argv) {
    using testsupport::registered;
    return testsupport::runScreenFit(argc, argv,
                                     {
                                         {"frmPassword", registered<TfrmPassword>()},
                                         {"frmAvvio", registered<TfrmAvvio>()},
                                         {"frmCambiaPassword", registered<TfrmCambiaPassword>()},
                                         {"frmGuida", registered<TfrmGuida>()},
                                         {"frmInfo", registered<TfrmInfo>()},
                                         {"frmSplash", registered<TfrmSplash>()},
                                         {"frmCalendario", registered<TfrmCalendario>()},
                                         {"frmCodFisc", registered<TfrmCodFisc>()},
                                         {"frmPartitaIva", registered<TfrmPartitaIva>()},
                                     });
}
