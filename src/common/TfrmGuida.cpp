#include "common/TfrmGuida.h"

#include "common/CommandTable.h"
#include "common/Link.h"
#include "common/Misc.h"
#include "common/Pictures.h"
#include "platform/ProgramFolder.h"
#include "ui_TfrmGuida.h"

TfrmGuida::TfrmGuida(QWidget* owner)
    : common::Dialog(owner)
    , ui(std::make_unique<Ui::frmGuida>()) {
    ui->setupUi(this);
    setNoTitleButtons();
    setFixedSize(size());
    setCentredOnScreen(true);
    QPalette title = ui->lblTitolo->palette();
    title.setColor(QPalette::WindowText, QColor(0xDC, 0x14, 0x3C)); // crimson
    ui->lblTitolo->setPalette(title);
    common::drawOnFirstShow(ui->imgLogo, [](QWidget* logo) {
        static_cast<QLabel*>(logo)->setPixmap(common::logoPicture(logo->size()));
    });
    common::drawOnFirstShow(ui->imgPDF, [](QWidget* pdf) {
        static_cast<QLabel*>(pdf)->setPixmap(common::iconPicture(common::Icon::Pdf, pdf->height()));
    });
    link_ = new common::Link(ui->lnkWeb, ui->imgPDF, [this] { lnkWebClick(); });
    connect(ui->btnChiudi, &QPushButton::clicked, this, &TfrmGuida::btnChiudiClick);
}

TfrmGuida::~TfrmGuida() = default;

void TfrmGuida::btnChiudiClick() {
    close();
}

void TfrmGuida::lnkWebClick() {
    link_->setColour(common::kLinkColour);
    TMisc::Open(QLatin1Char('"') + platform::programPath(QStringLiteral("Guida.pdf")) + QLatin1Char('"'));
}

void TfrmGuida::showText(const QString& title, const QString& text) {
    ui->lblTitolo->setText(title);
    ui->txtGuida->setPlainText(text);
}
