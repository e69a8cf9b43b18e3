// The lists of the mileage schedule: maintenance done, to do, and overdue and not done. A double-click
// loads the chosen record into the mileage card.
#pragma once

#include "common/SummaryWindow.h"

#include <QStringList>

#include <memory>
#include <vector>

namespace Ui {
class frmMileageList;
}

namespace mileage {

// Puts a record into the mileage card as it is stored, with its number; the rules are not run.
void loadIntoCard(qint64 number, const common::Record& record);

class MileageList : public common::SummaryWindow {
    Q_OBJECT
public:
    MileageList(const common::SummaryKind& kind, QWidget* parent);
    ~MileageList() override;

protected:
    common::ArchiveFile openArchive() override;
    void loadIntoCard(qint64 number, const common::Record& record) override;

private:
    std::unique_ptr<Ui::frmMileageList> ui;
};

} // namespace mileage

class TfrmEffettuate : public mileage::MileageList {
    Q_OBJECT
public:
    explicit TfrmEffettuate(QWidget* parent = nullptr);
};

class TfrmDaEffettuare : public mileage::MileageList {
    Q_OBJECT
public:
    explicit TfrmDaEffettuare(QWidget* parent = nullptr);
};

class TfrmScaduteKm : public mileage::MileageList {
    Q_OBJECT
public:
    explicit TfrmScaduteKm(QWidget* parent = nullptr);
};
