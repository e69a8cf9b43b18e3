// The login window: asks for the password and opens the start menu.
#pragma once

#include "common/Form.h"

#include <QKeyEvent>

#include <memory>

namespace Ui {
class frmPassword;
}

class TfrmPassword : public common::Form {
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget* parent = nullptr);
    ~TfrmPassword() override;

    // Back from the password change: shown again with an empty password, ready for typing.
    void showEmpty();

public Q_SLOTS:
    void txtPasswordChange();
    void txtPasswordKeyUp();
    // True when the key was used up here.
    bool txtPasswordKeyDown(QKeyEvent* event);
    void txtPasswordEnter();
    void txtPasswordExit();
    void cmdOKClick();
    void btnCambiaPasswordClick();
    void cmdEsciClick();

protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::frmPassword> ui;
};
