// The costs of the card's year not yet paid, with find, print and load into the cost card.
#pragma once

#include "common/SummaryWindow.h"

#include <memory>

namespace Ui {
class frmDaSaldare;
}

class TfrmDaSaldare : public common::SummaryWindow {
    Q_OBJECT
public:
    explicit TfrmDaSaldare(QWidget* parent = nullptr);
    ~TfrmDaSaldare() override;

protected:
    common::ArchiveFile openArchive() override;
    void loadIntoCard(qint64 number, const common::Record& record) override;

private:
    std::unique_ptr<Ui::frmDaSaldare> ui;
};
