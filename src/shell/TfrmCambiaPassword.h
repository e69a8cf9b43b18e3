// The password change window, reached from the login window.
#pragma once

#include "common/Form.h"

#include <memory>

namespace Ui {
class frmCambiaPassword;
}

class QLineEdit;

class TfrmCambiaPassword : public common::Form {
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(QWidget* parent = nullptr);
    ~TfrmCambiaPassword() override;

    std::unique_ptr<Ui::frmCambiaPassword> ui;

public Q_SLOTS:
    void txtPasswordOldChange();
    void txtPasswordNewChange();
    void txtConfermaChange();
    void cmdOKClick();
    void cmdEsciClick();

protected:
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateOK();
    QWidget* markOf(QObject* edit) const;
    QLineEdit* nextInRing(QObject* edit) const;
};
