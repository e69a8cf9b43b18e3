// The lists of the mileage schedule: maintenance done, to do, and overdue and not done. A double-click
// loads the chosen record into the mileage card.
#pragma once

#include "common/ListWindow.h"

#include <QStringList>

#include <memory>
#include <vector>

namespace Ui {
class frmMileageList;
}

namespace mileage {

// What sets one list apart from the others.
struct ListKind {
    const char* instanceName;
    const char* caption;
    const char* printTitle;
    bool (*selects)(const common::Record& record);
    QString (*lineOf)(const common::Record& record);
    QString* lastSearch; // the list kind's UltimaRicerca
};

// The lines and numbers of the records of archive that kind selects, in file order. What was gathered
// before a failure stays.
void collectLines(common::ArchiveFile& archive, const ListKind& kind, QStringList& lines,
                  std::vector<qint64>& numbers);

// Puts a record into the mileage card as it is stored, with its number; the rules are not run.
void loadIntoCard(qint64 number, const common::Record& record);

class MileageList : public common::ListWindow {
    Q_OBJECT
public:
    MileageList(const ListKind& kind, QWidget* parent);
    ~MileageList() override;

protected:
    void FormShow() override;
    QString printTitle() const override;
    QString* UltimaRicerca() override { return kind_.lastSearch; }
    bool hasLoadFromList() const override { return true; }
    void loadChosen(const QString& chosen) override;

private:
    std::unique_ptr<Ui::frmMileageList> ui;
    const ListKind& kind_;
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
