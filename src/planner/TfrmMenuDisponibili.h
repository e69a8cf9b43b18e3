// The planner's entry window: the choice of a year and of a vehicle of the vehicle archive, then the
// vehicle's year planner.
#pragma once

#include "common/Form.h"
#include "planner/SchedaPlanning.h"

#include <memory>

namespace Ui {
class frmMenuDisponibili;
}
namespace planner {
class VehicleLineModel;
}

class TfrmMenuDisponibili : public common::Form {
    Q_OBJECT
public:
    explicit TfrmMenuDisponibili(QWidget* parent = nullptr);
    ~TfrmMenuDisponibili() override;

    // The vehicle chosen last since the window was shown (lblVeicolo, lblMarca, lblModello, lblTarga).
    planner::PlannerHeader chosenVehicle() const;
    // The planner file written by the last "Apri" (lblFile).
    QString plannerFile() const;

public Q_SLOTS:
    void lstRecordsClick();
    void btnApriFattureClick();
    void imgEsciClick();
    void imgGuidaClick();

protected:
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The year key filter: true when the key is discarded.
    bool txtAnnoFattureKeyDown(QKeyEvent* event);
    QString selectedLine() const;

    std::unique_ptr<Ui::frmMenuDisponibili> ui;
    planner::VehicleLineModel* lines_ = nullptr;
};
