#include "shell/TfrmSplash.h"

#include "common/CommandTable.h"
#include "common/Link.h"
#include "common/Misc.h"
#include "common/Pictures.h"
#include "shell/Maker.h"
#include "ui_TfrmSplash.h"

#include <QPainter>

namespace {

// The credits picture: the logo over the list of what the program brings together.
QPixmap creditsPicture(const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(QColor(235, 240, 248));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QSize logo(size.width() - 40, size.height() / 3);
    p.drawPixmap(20, 16, common::logoPicture(logo));
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(18);
    p.setFont(font);
    p.setPen(QColor(0, 0, 139));
    p.drawText(
        QRect(20, logo.height() + 32, size.width() - 40, size.height() - logo.height() - 48),
        Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
        QString::fromUtf8("Parco Automezzi · Scadenze Imminenti · Costi sostenuti\n"
                          "Planner Prenotazioni · Scadenzario Manutenzioni · Scadenzario Chilometrico\n\n"
                          "Realizzato con C++ e Qt."));
    return pixmap;
}

} // namespace

TfrmSplash::TfrmSplash(QWidget* owner)
    : common::Dialog(owner)
    , ui(std::make_unique<Ui::frmSplash>()) {
    ui->setupUi(this);
    setNoTitleButtons();
    setFixedSize(size());
    setCentredOnOwner(true);
    common::drawOnFirstShow(ui->imgLogo, [](QWidget* logo) {
        static_cast<QLabel*>(logo)->setPixmap(creditsPicture(logo->size()));
    });
    common::drawOnFirstShow(ui->imgWeb, [](QWidget* web) {
        static_cast<QLabel*>(web)->setPixmap(common::iconPicture(common::Icon::Web, web->height()));
    });
    ui->lnkWeb->setText(QString::fromLatin1(shell::kMakerSiteShown));
    link_ = new common::Link(ui->lnkWeb, ui->imgWeb, [this] { lnkWebClick(); });
    connect(ui->btnChiudi, &QPushButton::clicked, this, &TfrmSplash::btnChiudiClick);
}

TfrmSplash::~TfrmSplash() = default;

void TfrmSplash::btnChiudiClick() {
    close();
}

void TfrmSplash::lnkWebClick() {
    link_->setColour(common::kLinkColour);
    TMisc::Open(QString::fromLatin1(shell::kMakerSite));
}
