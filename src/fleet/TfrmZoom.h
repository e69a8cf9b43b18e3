// The vehicle card's photo enlarged; a click closes it.
#pragma once

#include "fleet/PhotoViewer.h"

#include <memory>

namespace Ui {
class frmZoom;
}

class TfrmZoom : public fleet::PhotoViewer {
    Q_OBJECT
public:
    explicit TfrmZoom(QWidget* owner = nullptr);
    ~TfrmZoom() override;

private:
    std::unique_ptr<Ui::frmZoom> ui;
};
