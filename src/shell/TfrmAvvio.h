// The start menu: opens the apps, the help, the about and credits windows, and ends the program.
#pragma once

#include "common/Form.h"

#include <memory>

namespace Ui {
class frmAvvio;
}

class TfrmAvvio : public common::Form {
    Q_OBJECT
public:
    explicit TfrmAvvio(QWidget* parent = nullptr);
    ~TfrmAvvio() override;

public Q_SLOTS:
    void imgApp02Click();
    void imgApp03Click();
    void imgApp04Click();
    void imgApp06Click();
    void imgApp07Click();
    void imgApp08Click();
    void imgInfoClick();
    void imgCreditiClick();
    void imgGuidaClick();
    void imgSitoClick();
    void imgEsciClick();

protected:
    void FormClose() override;

private:
    std::unique_ptr<Ui::frmAvvio> ui;
    void openApp(const QString& instanceName);
};
