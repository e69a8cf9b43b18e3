#include "fleet/TfrmAnteprimaAutomezzo.h"

#include "platform/Report.h"
#include "ui_TfrmAnteprimaAutomezzo.h"

TfrmAnteprimaAutomezzo::TfrmAnteprimaAutomezzo(QWidget* owner)
    : fleet::VehicleSheetDialog(owner,
                                QString::fromUtf8("Attenzione: la visualizzazione dell'anteprima di stampa "
                                                  "del documento non è andata a buon fine.\n\r\n\r"
                                                  "Si consiglia di ridurre le dimensioni della foto."))
    , ui(std::make_unique<Ui::frmAnteprimaAutomezzo>()) {
    ui->setupUi(this);
    setUpSheet(ui->imgStampante, ui->btnStampa, ui->btnAnnulla, ui->imgLogo, ui->imgTemp);
}

TfrmAnteprimaAutomezzo::~TfrmAnteprimaAutomezzo() = default;

void TfrmAnteprimaAutomezzo::output() {
    repDocumento->preview(this);
}
