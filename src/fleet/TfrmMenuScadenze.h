// The deadlines app: a menu of the four lists of vehicles due for inspection, service, insurance or road tax.
#pragma once

#include "common/Form.h"

#include <memory>

namespace Ui {
class frmMenuScadenze;
}

class TfrmMenuScadenze : public common::Form {
    Q_OBJECT
public:
    explicit TfrmMenuScadenze(QWidget* parent = nullptr);
    ~TfrmMenuScadenze() override;

public Q_SLOTS:
    void btnRevisioneClick();
    void btnTagliandoClick();
    void btnAssicurazioneClick();
    void btnBolloClick();
    void imgGuidaClick();
    void imgEsciClick();

protected:
    void FormClose() override;

private:
    std::unique_ptr<Ui::frmMenuScadenze> ui;
};
