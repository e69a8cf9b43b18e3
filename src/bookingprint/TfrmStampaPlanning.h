// Prints the open planner's year sheet, after the print dialog.
#pragma once

#include "bookingprint/PlanningSheetDialog.h"

namespace Ui {
class frmStampaPlanning;
}

class TfrmStampaPlanning : public bookingprint::PlanningSheetDialog {
    Q_OBJECT
public:
    explicit TfrmStampaPlanning(QWidget* owner = nullptr);
    ~TfrmStampaPlanning() override;

protected:
    void output(platform::Report& report) override;
    void FormShow() override;

private:
    std::unique_ptr<Ui::frmStampaPlanning> ui;
};
