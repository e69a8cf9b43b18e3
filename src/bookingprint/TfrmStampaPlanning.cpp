#include "bookingprint/TfrmStampaPlanning.h"

#include "common/CommandPictures.h"
#include "common/Look.h"
#include "platform/PrintJob.h"
#include "platform/Report.h"
#include "ui_TfrmStampaPlanning.h"

TfrmStampaPlanning::TfrmStampaPlanning(QWidget* owner)
    : bookingprint::PlanningSheetDialog(owner, platform::kPrintFailed)
    , ui(std::make_unique<Ui::frmStampaPlanning>()) {
    ui->setupUi(this);
    common::setBackground(ui->shpSfondo, Qt::white);
    common::setBackground(ui->shpSepara, QColor(0x42, 0x7A, 0xA8));
    setUpSheet(ui->btnStampa, ui->btnAnnulla);
}

TfrmStampaPlanning::~TfrmStampaPlanning() = default;

void TfrmStampaPlanning::FormShow() {
    // Drawn when first seen, not at the program's start.
    if (ui->imgSezione04->pixmap().isNull()) {
        ui->imgLogo01->setPixmap(bookingprint::bookPicture(ui->imgLogo01->size()));
        ui->imgSezione04->setPixmap(common::commandIcon(common::Command::Print, 64).pixmap(64, 64));
    }
}

void TfrmStampaPlanning::output(platform::Report& report) {
    // A cancelled print dialog is no failure: the window closes all the same.
    report.print(this);
}
