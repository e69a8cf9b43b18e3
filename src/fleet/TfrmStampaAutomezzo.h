// Prints the vehicle card on show, after the print dialog.
#pragma once

#include "fleet/VehicleSheetDialog.h"

namespace Ui {
class frmStampaAutomezzo;
}

class TfrmStampaAutomezzo : public fleet::VehicleSheetDialog {
    Q_OBJECT
public:
    explicit TfrmStampaAutomezzo(QWidget* owner = nullptr);
    ~TfrmStampaAutomezzo() override;

protected:
    void output() override;

private:
    std::unique_ptr<Ui::frmStampaAutomezzo> ui;
};
