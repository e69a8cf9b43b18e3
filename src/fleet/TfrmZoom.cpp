#include "fleet/TfrmZoom.h"

#include "ui_TfrmZoom.h"

TfrmZoom::TfrmZoom(QWidget* owner)
    : fleet::PhotoViewer(owner)
    , ui(std::make_unique<Ui::frmZoom>()) {
    ui->setupUi(this);
    setUpViewer(ui->panContainer, ui->imgFoto);
}

TfrmZoom::~TfrmZoom() = default;
