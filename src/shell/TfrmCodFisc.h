// The fiscal code check: tells whether a 16-character fiscal code ends with its check character.
#pragma once

#include "common/Dialog.h"

#include <QKeyEvent>

#include <memory>

namespace Ui {
class frmCodFisc;
}

class TfrmCodFisc : public common::Dialog {
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget* owner = nullptr);
    ~TfrmCodFisc() override;

    // The code to check, as the caller's field holds it.
    void setCode(const QString& code);

public Q_SLOTS:
    void txtCodFiscTyping();
    // True when the key was used up here.
    bool txtCodFiscKeyDown(QKeyEvent* event);
    void btnControllaClick();
    void btnChiudiClick();

protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::frmCodFisc> ui;
};
