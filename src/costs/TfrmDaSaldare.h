// The costs of the card's year not yet paid, with find, print and load into the cost card.
#pragma once

#include "common/ListWindow.h"

#include <memory>

namespace Ui {
class frmDaSaldare;
}

class TfrmDaSaldare : public common::ListWindow {
    Q_OBJECT
public:
    explicit TfrmDaSaldare(QWidget* parent = nullptr);
    ~TfrmDaSaldare() override;

protected:
    void FormShow() override;
    QString printTitle() const override;
    QString* UltimaRicerca() override;
    bool hasLoadFromList() const override { return true; }
    void loadChosen(const QString& chosen) override;

private:
    std::unique_ptr<Ui::frmDaSaldare> ui;
};
