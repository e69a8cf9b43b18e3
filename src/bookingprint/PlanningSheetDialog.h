// Base of the two windows that put the open planner's year sheet on paper or on the screen.
#pragma once

#include "bookingprint/PlanningAnnuale.h"
#include "common/Dialog.h"

#include <memory>

class QPushButton;
class TfrmPlanning;

namespace platform {
class Report;
}

namespace bookingprint {

// The sheet's texts and booked days as the planner window shows them now, saved or not.
PlannerSheet sheetOf(const TfrmPlanning& planner);

// A book, drawn in code: the reading figure of the printout windows.
QPixmap bookPicture(const QSize& size);

class PlanningSheetDialog : public common::Dialog {
    Q_OBJECT
public:
    ~PlanningSheetDialog() override;

    // The sheet as last filled; nullptr before the command ran.
    const platform::Report* repDocumento() const { return repDocumento_.get(); }

public Q_SLOTS:
    void btnStampaClick();
    void btnAnnullaClick();

protected:
    // failureText: what the error box says when the command fails.
    PlanningSheetDialog(QWidget* owner, QString failureText);
    void setUpSheet(QPushButton* btnStampa, QPushButton* btnAnnulla);
    // Prints the prepared sheet after the print dialog, or shows it in the preview.
    virtual void output(platform::Report& report) = 0;
    void paintEvent(QPaintEvent* event) override;

private:
    QString failureText_;
    std::unique_ptr<platform::Report> repDocumento_;
};

} // namespace bookingprint
