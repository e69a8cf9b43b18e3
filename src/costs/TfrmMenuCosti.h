// The running-costs app's entry: the year of the cost card, and the way to the summary and the statistics.
#pragma once

#include "common/Form.h"

#include <memory>

namespace Ui {
class frmMenuCosti;
}

class TfrmMenuCosti : public common::Form {
    Q_OBJECT
public:
    explicit TfrmMenuCosti(QWidget* parent = nullptr);
    ~TfrmMenuCosti() override;

    // The caller tag: where closing the menu leads.
    QString callerTag() const;
    void setCallerTag(const QString& tag);

public Q_SLOTS:
    void btnApriConsumiClick();
    void btnApriRiepConsumiClick();
    void btnApriRiepStatsClick();
    void imgGuidaClick();
    void imgEsciClick();

protected:
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::frmMenuCosti> ui;
};
