#include "fleet/TfrmMenuScadenze.h"

#include "common/Help.h"
#include "common/Look.h"
#include "common/WindowRegistry.h"
#include "fleet/DeadlineList.h"
#include "ui_TfrmMenuScadenze.h"

namespace {

template <class List> void showList(QWidget* owner) {
    List list(owner);
    list.exec();
}

} // namespace

TfrmMenuScadenze::TfrmMenuScadenze(QWidget* parent)
    : common::Form(parent)
    , ui(std::make_unique<Ui::frmMenuScadenze>()) {
    ui->setupUi(this);
    setWindowState(Qt::WindowMaximized);
    for (QWidget* button : {ui->btnRevisione, ui->btnTagliando, ui->btnAssicurazione, ui->btnBollo})
        common::setBackground(button, QColor(255, 165, 0));
    connect(ui->btnRevisione, &QPushButton::clicked, this, &TfrmMenuScadenze::btnRevisioneClick);
    connect(ui->btnTagliando, &QPushButton::clicked, this, &TfrmMenuScadenze::btnTagliandoClick);
    connect(ui->btnAssicurazione, &QPushButton::clicked, this, &TfrmMenuScadenze::btnAssicurazioneClick);
    connect(ui->btnBollo, &QPushButton::clicked, this, &TfrmMenuScadenze::btnBolloClick);
    connect(ui->imgGuida, &QPushButton::clicked, this, &TfrmMenuScadenze::imgGuidaClick);
    connect(ui->imgEsci, &QPushButton::clicked, this, &TfrmMenuScadenze::imgEsciClick);
}

TfrmMenuScadenze::~TfrmMenuScadenze() = default;

void TfrmMenuScadenze::btnRevisioneClick() {
    showList<TfrmScadRevisione>(this);
}
void TfrmMenuScadenze::btnTagliandoClick() {
    showList<TfrmScadTagliando>(this);
}
void TfrmMenuScadenze::btnAssicurazioneClick() {
    showList<TfrmScadAssicurazione>(this);
}
void TfrmMenuScadenze::btnBolloClick() {
    showList<TfrmScadBollo>(this);
}

void TfrmMenuScadenze::imgGuidaClick() {
    common::showHelp(this, QStringLiteral("scadenze"));
}

void TfrmMenuScadenze::imgEsciClick() {
    close();
}

void TfrmMenuScadenze::FormClose() {
    if (QWidget* menu = common::sharedWindow(QStringLiteral("frmAvvio")))
        menu->show();
    hide();
}
