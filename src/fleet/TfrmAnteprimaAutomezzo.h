// Shows the vehicle card on show in the print preview.
#pragma once

#include "fleet/VehicleSheetDialog.h"

namespace Ui {
class frmAnteprimaAutomezzo;
}

class TfrmAnteprimaAutomezzo : public fleet::VehicleSheetDialog {
    Q_OBJECT
public:
    explicit TfrmAnteprimaAutomezzo(QWidget* owner = nullptr);
    ~TfrmAnteprimaAutomezzo() override;

protected:
    void output() override;

private:
    std::unique_ptr<Ui::frmAnteprimaAutomezzo> ui;
};
