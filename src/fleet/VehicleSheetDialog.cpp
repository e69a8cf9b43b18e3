#include "fleet/VehicleSheetDialog.h"

#include "common/CommandTable.h"
#include "common/RecordSheet.h"
#include "common/WindowRegistry.h"
#include "fleet/SchedaVeicoloReport.h"
#include "fleet/TfrmVeicolario.h"
#include "platform/Dialogs.h"
#include "platform/Report.h"

#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace fleet {

namespace {

TfrmVeicolario* vehicleCard() {
    return common::sharedWindow<TfrmVeicolario>(QStringLiteral("frmVeicolario"));
}

} // namespace

VehicleSheetDialog::VehicleSheetDialog(QWidget* owner, QString failureMessage)
    : common::Dialog(owner)
    , repDocumento(makeSchedaVeicolo())
    , failureMessage_(std::move(failureMessage)) {}

VehicleSheetDialog::~VehicleSheetDialog() = default;

void VehicleSheetDialog::setUpSheet(QLabel* decoration, QPushButton* btnStampa, QPushButton* btnAnnulla,
                                    QLabel* imgLogo, QLabel* imgTemp) {
    setFixedSize(size());
    setNoTitleButtons();
    setCentredOnOwner(true);
    common::drawOnFirstShow(decoration, [](QWidget* label) {
        static_cast<QLabel*>(label)->setPixmap(
            label->style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(72, 72));
    });
    imgLogo_ = imgLogo;
    imgTemp_ = imgTemp;
    connect(btnStampa, &QPushButton::clicked, this, &VehicleSheetDialog::btnStampaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &VehicleSheetDialog::btnAnnullaClick);
}

void VehicleSheetDialog::FormShow() {
    // The card's photo box, placeholder included; without a card the sheet has an empty picture.
    TfrmVeicolario* card = vehicleCard();
    if (card && !card->photo().picture().isNull())
        imgLogo_->setPixmap(QPixmap::fromImage(card->photo().picture()));
    else
        imgLogo_->setPixmap(imgTemp_->pixmap());
}

void VehicleSheetDialog::btnStampaClick() {
    try {
        TfrmVeicolario* card = vehicleCard();
        common::fillRecordSheet(*repDocumento, card, schedaVeicoloMemos(), QStringLiteral("imgLogo"),
                                imgLogo_->pixmap().toImage());
        output();
    } catch (const std::exception&) {
        platform::showKinded(this, platform::MsgKind::Warning, failureMessage_);
    }
    close();
}

void VehicleSheetDialog::btnAnnullaClick() {
    close();
}

} // namespace fleet
