// The interval booking dialog: books one customer on every day of an interval of the open planner's year.
#pragma once

#include "common/Dialog.h"

#include <memory>

class QComboBox;
class QKeyEvent;

namespace Ui {
class frmIntervallo;
}
namespace planner {
struct IntervalDialogPreset;
}

class TfrmIntervallo : public common::Dialog {
    Q_OBJECT
public:
    explicit TfrmIntervallo(QWidget* owner = nullptr);
    ~TfrmIntervallo() override;

    // What the planner's interval command writes before showing the dialog: both years, the vehicle line
    // and four empty date boxes.
    void preset(const planner::IntervalDialogPreset& preset);

public Q_SLOTS:
    void cmdCancellaClick();
    void cmdClipboardClick();
    void btnChiudiClick();
    void btnAnnullaClick();

protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct DateBox;
    const DateBox* dateBox(QObject* watched) const;
    // The key filter of a date box: true when the key is consumed.
    bool dateBoxKeyDown(const DateBox& box, QKeyEvent* event);
    void dateBoxEnter(const DateBox& box);
    void dateBoxExit(const DateBox& box);

    std::unique_ptr<Ui::frmIntervallo> ui;
    std::vector<DateBox> boxes_;
};
