// The date picker: the date fields of the vehicle and mileage cards get their dates through it.
#pragma once

#include "common/Dialog.h"

#include <memory>

namespace Ui {
class frmCalendario;
}

class TfrmCalendario : public common::Dialog {
    Q_OBJECT
public:
    explicit TfrmCalendario(QWidget* owner = nullptr);
    ~TfrmCalendario() override;

    // The caller's tag in lblMemory: it says which field the chosen date goes into.
    void setCallerTag(const QString& tag);

public Q_SLOTS:
    void btnImportaDataClick();
    void btnAnnullaClick();

private:
    std::unique_ptr<Ui::frmCalendario> ui;
};

namespace shell {

// The date as the date fields show it.
QString shortDate(const QDate& date);

} // namespace shell
