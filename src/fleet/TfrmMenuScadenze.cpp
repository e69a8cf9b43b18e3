#include "fleet/TfrmMenuScadenze.h"

#include "common/CommandTable.h"
#include "common/Help.h"
#include "common/Look.h"
#include "common/Placement.h"
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
    // The four orange buttons.
    QPalette orange = ui->btnRevisione->palette();
    orange.setColor(QPalette::Button, QColor(255, 165, 0));
    for (QWidget* button : {ui->btnRevisione, ui->btnTagliando, ui->btnAssicurazione, ui->btnBollo})
        button->setPalette(orange);
    using W = TfrmMenuScadenze;
    using common::Command;
    static const common::CommandTable<W> kCommands{
        {"btnRevisione", nullptr, nullptr, &W::btnRevisioneClick},
        {"btnTagliando", nullptr, nullptr, &W::btnTagliandoClick},
        {"btnAssicurazione", nullptr, nullptr, &W::btnAssicurazioneClick},
        {"btnBollo", nullptr, nullptr, &W::btnBolloClick},
        {"imgGuida", common::commandPicture(Command::Help, 32), nullptr, &W::imgGuidaClick},
        {"imgEsci", common::commandPicture(Command::Exit, 32), nullptr, &W::imgEsciClick},
    };
    common::installCommands(this, kCommands);
    // Maximised on any screen: the buttons in the middle, help and exit at the bottom corners.
    common::keepCentred(ui->pnlScadenze);
    common::keepAtEdges(ui->imgGuida, Qt::LeftEdge | Qt::BottomEdge);
    common::keepAtEdges(ui->imgEsci, Qt::RightEdge | Qt::BottomEdge);
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
