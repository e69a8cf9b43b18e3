// The single-day booking dialog: books one day of the open planner, changes its booking text or frees it.
#pragma once

#include "common/Dialog.h"

#include <memory>

namespace Ui {
class frmGiorno;
}
namespace planner {
struct DayDialogPreset;
}

class TfrmGiorno : public common::Dialog {
    Q_OBJECT
public:
    explicit TfrmGiorno(QWidget* owner = nullptr);
    ~TfrmGiorno() override;

    // What the planner's day click writes before showing the dialog: the day tag, the day's heading, the
    // vehicle line and the day's booking text.
    void preset(const planner::DayDialogPreset& preset);

public Q_SLOTS:
    void txtPrenotazioneChange(const QString& text);
    void cmdCancellaClick();
    void cmdClipboardClick();
    void btnChiudiClick();
    void btnAnnullaClick();

protected:
    void FormShow() override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<Ui::frmGiorno> ui;
};
