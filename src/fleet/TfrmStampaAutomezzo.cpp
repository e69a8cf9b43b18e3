#include "fleet/TfrmStampaAutomezzo.h"

#include "platform/Report.h"
#include "ui_TfrmStampaAutomezzo.h"

TfrmStampaAutomezzo::TfrmStampaAutomezzo(QWidget* owner)
    : fleet::VehicleSheetDialog(
          owner, QString::fromUtf8("Attenzione: la stampa del documento non è andata a buon fine.\n\r\n\r"
                                   "Si consiglia di ridurre le dimensioni della foto."))
    , ui(std::make_unique<Ui::frmStampaAutomezzo>()) {
    ui->setupUi(this);
    setUpSheet(ui->imgStampante, ui->btnStampa, ui->btnAnnulla, ui->imgLogo, ui->imgTemp);
}

TfrmStampaAutomezzo::~TfrmStampaAutomezzo() = default;

void TfrmStampaAutomezzo::output() {
    repDocumento->print(this);
}
