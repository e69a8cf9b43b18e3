// Base of the two dialogs that print or preview the vehicle card on show as the sheet "Scheda Veicolo".
#pragma once

#include "common/Dialog.h"

#include <memory>

class QLabel;
class QPushButton;

namespace platform {
class Report;
}

namespace fleet {

class VehicleSheetDialog : public common::Dialog {
    Q_OBJECT
public:
    ~VehicleSheetDialog() override;

    std::unique_ptr<platform::Report> repDocumento;

public Q_SLOTS:
    void btnStampaClick();
    void btnAnnullaClick();

protected:
    VehicleSheetDialog(QWidget* owner, QString failureMessage);
    void setUpSheet(QLabel* decoration, QPushButton* btnStampa, QPushButton* btnAnnulla, QLabel* imgLogo,
                    QLabel* imgTemp);
    // Prints the prepared sheet or shows it in the preview.
    virtual void output() = 0;
    void FormShow() override;

private:
    QString failureMessage_;
    QLabel* imgLogo_ = nullptr;
    QLabel* imgTemp_ = nullptr;
};

} // namespace fleet
