// Shows the open planner's year sheet in the print preview.
#pragma once

#include "bookingprint/PlanningSheetDialog.h"

namespace Ui {
class frmAnteprimaPlanning;
}

class TfrmAnteprimaPlanning : public bookingprint::PlanningSheetDialog {
    Q_OBJECT
public:
    explicit TfrmAnteprimaPlanning(QWidget* owner = nullptr);
    ~TfrmAnteprimaPlanning() override;

protected:
    void output(platform::Report& report) override;
    void FormShow() override;

private:
    std::unique_ptr<Ui::frmAnteprimaPlanning> ui;
};
