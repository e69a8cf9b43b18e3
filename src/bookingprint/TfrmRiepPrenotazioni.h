// The booking summary: the open planner's booked days in calendar order, with find in list and list print.
#pragma once

#include "common/ListWindow.h"

namespace Ui {
class frmRiepPrenotazioni;
}

class TfrmRiepPrenotazioni : public common::ListWindow {
    Q_OBJECT
public:
    explicit TfrmRiepPrenotazioni(QWidget* owner = nullptr);
    ~TfrmRiepPrenotazioni() override;

protected:
    // Builds the list from the planner's day cells as they stand now.
    void FormCreate();
    QString* UltimaRicerca() override;
    QString printTitle() const override;
    // A double-click loads nothing.
    bool hasLoadFromList() const override { return false; }
    void FormShow() override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<Ui::frmRiepPrenotazioni> ui;
};
