// The vehicle search, which also serves the other apps as the vehicle picker (by the caller tag in
// lblMemory).
#pragma once

#include "common/SearchWindow.h"

#include <memory>

namespace Ui {
class frmTrovaAutomezzi;
}

class TfrmTrovaAutomezzi : public common::SearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaAutomezzi(QWidget* parent = nullptr);
    ~TfrmTrovaAutomezzi() override;

    // The caller's tag in lblMemory: it says which window a picked vehicle goes into.
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
    std::unique_ptr<Ui::frmTrovaAutomezzi> ui;
};
