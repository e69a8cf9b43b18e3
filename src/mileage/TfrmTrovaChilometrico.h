// The mileage search: ten filters over the mileage archive, the records found listed, and the chosen
// one loaded into the mileage card.
#pragma once

#include "common/SearchWindow.h"

#include <memory>

namespace Ui {
class frmTrovaChilometrico;
}

class TfrmTrovaChilometrico : public common::SearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaChilometrico(QWidget* parent = nullptr);
    ~TfrmTrovaChilometrico() override;

    // The caller tag, written before the window is shown.
    void setCallerTag(const QString& tag);

protected:
    common::ArchiveFile openArchive() override;
    QList<int> filterFields() const override;
    QString lineOf(const common::Record& record) const override;
    QString countText(int count) const override;
    QString printTitle() const override;
    QString* UltimaRicerca() override;
    void pick(qint64 number, const common::Record& record) override;

private:
    std::unique_ptr<Ui::frmTrovaChilometrico> ui;
};
