// The slide show: the photos of every vehicle in record order, six seconds each, until a click.
#pragma once

#include "fleet/PhotoViewer.h"

#include <memory>

class QTimer;

namespace Ui {
class frmSlideshow_Automezzi;
}

class TfrmSlideshow_Automezzi : public fleet::PhotoViewer {
    Q_OBJECT
public:
    explicit TfrmSlideshow_Automezzi(QWidget* owner = nullptr);
    ~TfrmSlideshow_Automezzi() override;

    QTimer* Timer = nullptr;

public Q_SLOTS:
    // One step: the next record's photo, or the pause after the last.
    void cmdAvantiClick();

protected:
    void FormShow() override;

private:
    std::unique_ptr<Ui::frmSlideshow_Automezzi> ui;
    // A message box with the timer held, so that no tick opens a second box over it.
    void showHeld(int kind, const QString& text);
};
