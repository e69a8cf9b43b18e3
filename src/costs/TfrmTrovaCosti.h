// The search of the costs year file open in the cost card, with load into the card.
#pragma once

#include "common/SearchWindow.h"

#include <memory>

namespace Ui {
class frmTrovaCosti;
}

class TfrmTrovaCosti : public common::SearchWindow {
    Q_OBJECT
public:
    explicit TfrmTrovaCosti(QWidget* parent = nullptr);
    ~TfrmTrovaCosti() override;

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
    std::unique_ptr<Ui::frmTrovaCosti> ui;
};
