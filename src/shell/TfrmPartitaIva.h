// The VAT number check: tells whether an 11-digit VAT number is right and which office issued it.
#pragma once

#include "common/Dialog.h"

#include <QKeyEvent>

#include <memory>

namespace Ui {
class frmPartitaIva;
}

class TfrmPartitaIva : public common::Dialog {
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget* owner = nullptr);
    ~TfrmPartitaIva() override;

    // The number to check, as the caller's field holds it.
    void setNumber(const QString& number);

public Q_SLOTS:
    // True when the key was used up here.
    bool txtPartitaIvaKeyDown(QKeyEvent* event);
    void btnControllaClick();
    void btnChiudiClick();

protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::frmPartitaIva> ui;
};
