// The monthly totals of one year's costs, charted as bars or as a pie, and printed.
#pragma once

#include "common/Form.h"

#include <memory>

namespace Ui {
class frmStatCosti;
}
namespace platform {
class Chart;
}
namespace common {
class StatusHints;
}

class TfrmStatCosti : public common::Form {
    Q_OBJECT
public:
    explicit TfrmStatCosti(QWidget* parent = nullptr);
    ~TfrmStatCosti() override;

    // The chart; its plot is made at the first show.
    platform::Chart* chart() const { return chart_; }

public Q_SLOTS:
    void btnApriClick();
    void btnBarreClick();
    void btnTortaClick();
    void btnStampaClick();
    void imgGuidaClick();
    void imgEsciClick();

protected:
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeChart();
    std::unique_ptr<Ui::frmStatCosti> ui;
    platform::Chart* chart_ = nullptr;
    bool chartMade_ = false;
    common::StatusHints* hints_ = nullptr;
};
