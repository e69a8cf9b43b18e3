// The password change window, reached from the login window.
#pragma once

#include "common/Form.h"

#include <QKeyEvent>

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

public Q_SLOTS:
    void txtPasswordOldChange();
    void txtPasswordNewChange();
    void txtConfermaChange();
    void txtPasswordOldKeyUp();
    void txtPasswordNewKeyUp();
    void txtConfermaKeyUp();
    // True when the key was used up here.
    bool txtPasswordOldKeyDown(QKeyEvent* event);
    bool txtPasswordNewKeyDown(QKeyEvent* event);
    bool txtConfermaKeyDown(QKeyEvent* event);
    void txtPasswordOldEnter();
    void txtPasswordOldExit();
    void txtPasswordNewEnter();
    void txtPasswordNewExit();
    void txtConfermaEnter();
    void txtConfermaExit();
    void cmdOKClick();
    void cmdEsciClick();

protected:
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::frmCambiaPassword> ui;
    struct EditHandlers {
        bool (TfrmCambiaPassword::*keyDown)(QKeyEvent*);
        void (TfrmCambiaPassword::*keyUp)();
        void (TfrmCambiaPassword::*enter)();
        void (TfrmCambiaPassword::*exit)();
    };
    void updateOK();
    bool focusOnEnter(QKeyEvent* event, QLineEdit* next);
    const EditHandlers* handlersOf(QObject* edit) const;
};
