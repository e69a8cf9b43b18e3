// The costs of an interval of days, filtered by plate and cause, with their total, find and print.
#pragma once

#include "common/ListWindow.h"

#include <memory>

namespace Ui {
class frmRiepSpese;
}
class TfrmMenuRiepSpese;

class TfrmRiepSpese : public common::ListWindow {
    Q_OBJECT
public:
    explicit TfrmRiepSpese(QWidget* parent = nullptr);
    ~TfrmRiepSpese() override;

    // Reads the query window's year file into the list and the total; false when the archive could not be
    // read to its end, and then nothing is listed.
    bool fill();

public Q_SLOTS:
    void btnStampaClick() override;
    void imgGuidaClick();

protected:
    void FormShow() override;
    void FormClose() override;
    QString printTitle() const override;
    QString* UltimaRicerca() override;
    bool hasLoadFromList() const override { return false; }

private:
    TfrmMenuRiepSpese* query() const;
    std::unique_ptr<Ui::frmRiepSpese> ui;
};
