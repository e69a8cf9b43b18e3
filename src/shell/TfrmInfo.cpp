#include "shell/TfrmInfo.h"

#include "common/CommandTable.h"
#include "common/Link.h"
#include "common/Misc.h"
#include "common/Pictures.h"
#include "shell/Maker.h"
#include "ui_TfrmInfo.h"

TfrmInfo::TfrmInfo(QWidget* owner)
    : common::Dialog(owner)
    , ui(std::make_unique<Ui::frmInfo>()) {
    ui->setupUi(this);
    setNoTitleButtons();
    setFixedSize(size());
    setCentredOnScreen(true);
    common::drawOnFirstShow(ui->imgLogo, [](QWidget* logo) {
        static_cast<QLabel*>(logo)->setPixmap(common::logoPicture(logo->size()));
    });
    common::drawOnFirstShow(ui->imgEmail, [](QWidget* mail) {
        static_cast<QLabel*>(mail)->setPixmap(common::iconPicture(common::Icon::Mail, mail->height()));
    });
    ui->lnkWeb->setText(QString::fromLatin1(shell::kSupportMail));
    link_ = new common::Link(ui->lnkWeb, ui->imgEmail, [this] { lnkWebClick(); });
    connect(ui->btnChiudi, &QPushButton::clicked, this, &TfrmInfo::btnChiudiClick);
}

TfrmInfo::~TfrmInfo() = default;

void TfrmInfo::btnChiudiClick() {
    close();
}

void TfrmInfo::lnkWebClick() {
    link_->setColour(common::kLinkColour);
    // Subject and body go as they stand, blanks included.
    TMisc::Open(QStringLiteral("\"mailto:") + QString::fromLatin1(shell::kSupportMail) +
                QStringLiteral("?subject=Software Veicolario&body=Salve, desidererei avere le seguenti "
                               "informazioni sul software in oggetto:\""));
}
