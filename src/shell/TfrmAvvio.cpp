#include "shell/TfrmAvvio.h"

#include "common/CommandTable.h"
#include "common/Help.h"
#include "common/Look.h"
#include "common/Misc.h"
#include "common/Pictures.h"
#include "common/Placement.h"
#include "common/WindowRegistry.h"
#include "platform/Program.h"
#include "shell/Maker.h"
#include "shell/TfrmInfo.h"
#include "shell/TfrmSplash.h"
#include "ui_TfrmAvvio.h"

#include <QLabel>

namespace {

// A tile's picture and its "Apri" button share the tile's colour.
common::CommandPicture tilePicture(QColor colour, const char* caption) {
    return [colour, caption](QWidget* control) {
        static_cast<QLabel*>(control)->setPixmap(
            common::tilePicture(control->size(), colour, QString::fromUtf8(caption)));
    };
}

common::CommandPicture tileButton(QColor colour) {
    return [colour](QWidget* control) {
        static_cast<QLabel*>(control)->setPixmap(
            common::buttonPicture(control->size(), colour, QStringLiteral("Apri")));
    };
}

common::CommandPicture iconPicture(common::Icon icon) {
    return [icon](QWidget* control) {
        static_cast<QLabel*>(control)->setPixmap(common::iconPicture(icon, control->height()));
    };
}

} // namespace

TfrmAvvio::TfrmAvvio(QWidget* parent)
    : common::Form(parent)
    , ui(std::make_unique<Ui::frmAvvio>()) {
    ui->setupUi(this);
    setWindowState(Qt::WindowMaximized);
    common::setBackground(this, QColor(235, 240, 248));

    common::drawOnFirstShow(ui->imgTitolo, [](QWidget* title) {
        static_cast<QLabel*>(title)->setPixmap(common::logoPicture(title->size()));
    });

    using W = TfrmAvvio;
    const QColor fleet(0, 90, 170), deadlines(230, 120, 0), costs(0, 140, 70), planner(130, 40, 150),
        maintenance(180, 30, 50), mileage(0, 130, 140);
    static const common::CommandTable<W> kCommands{
        {"imgApp02", tilePicture(fleet, "Parco Automezzi"), nullptr, &W::imgApp02Click},
        {"btnApp02", tileButton(fleet), nullptr, &W::imgApp02Click},
        {"imgApp03", tilePicture(deadlines, "Scadenze Imminenti"), nullptr, &W::imgApp03Click},
        {"btnApp03", tileButton(deadlines), nullptr, &W::imgApp03Click},
        {"imgApp04", tilePicture(costs, "Costi sostenuti"), nullptr, &W::imgApp04Click},
        {"btnApp04", tileButton(costs), nullptr, &W::imgApp04Click},
        {"imgApp06", tilePicture(planner, "Planner Prenotazioni"), nullptr, &W::imgApp06Click},
        {"btnApp06", tileButton(planner), nullptr, &W::imgApp06Click},
        {"imgApp07", tilePicture(maintenance, "Scadenzario Manutenzioni"), nullptr, &W::imgApp07Click},
        {"btnApp07", tileButton(maintenance), nullptr, &W::imgApp07Click},
        {"imgApp08", tilePicture(mileage, "Scadenzario Chilometrico"), nullptr, &W::imgApp08Click},
        {"btnApp08", tileButton(mileage), nullptr, &W::imgApp08Click},
        {"imgInfo", iconPicture(common::Icon::Info), nullptr, &W::imgInfoClick},
        {"imgGuida", iconPicture(common::Icon::Help), nullptr, &W::imgGuidaClick},
        {"imgCrediti", iconPicture(common::Icon::Credits), nullptr, &W::imgCreditiClick},
        {"imgEsci", iconPicture(common::Icon::Exit), nullptr, &W::imgEsciClick},
        {"imgSito",
         [](QWidget* control) {
             static_cast<QLabel*>(control)->setPixmap(
                 common::bannerPicture(control->size(), QString::fromLatin1(shell::kMakerSiteShown)));
         },
         nullptr, &W::imgSitoClick},
    };
    common::installCommands(this, kCommands);
    // The menu keeps its size and stays in the middle of the maximised window.
    common::keepCentred(ui->pnlMenu);
}

TfrmAvvio::~TfrmAvvio() = default;

void TfrmAvvio::openApp(const QString& instanceName) {
    QWidget* app = common::sharedWindow(instanceName);
    if (!app)
        return;
    app->show();
    hide();
}

void TfrmAvvio::imgApp02Click() {
    openApp(QStringLiteral("frmVeicolario"));
}
void TfrmAvvio::imgApp03Click() {
    openApp(QStringLiteral("frmMenuScadenze"));
}

void TfrmAvvio::imgApp04Click() {
    QWidget* costs = common::sharedWindow(QStringLiteral("frmMenuCosti"));
    if (!costs)
        return;
    if (auto* memory = costs->findChild<QLabel*>(QStringLiteral("lblMemory")))
        memory->setText(QStringLiteral("avvio"));
    openApp(QStringLiteral("frmMenuCosti"));
}

void TfrmAvvio::imgApp06Click() {
    openApp(QStringLiteral("frmMenuDisponibili"));
}
void TfrmAvvio::imgApp07Click() {
    openApp(QStringLiteral("frmScadenzario"));
}
void TfrmAvvio::imgApp08Click() {
    openApp(QStringLiteral("frmChilometrico"));
}

void TfrmAvvio::imgInfoClick() {
    TfrmInfo info(this);
    info.exec();
}

void TfrmAvvio::imgCreditiClick() {
    TfrmSplash credits(this);
    credits.exec();
}

void TfrmAvvio::imgGuidaClick() {
    common::showHelp(this, QStringLiteral("avvio"));
}

void TfrmAvvio::imgSitoClick() {
    TMisc::Open(QString::fromLatin1(shell::kMakerSite));
}

void TfrmAvvio::imgEsciClick() {
    platform::endProgram();
}

void TfrmAvvio::FormClose() {
    platform::endProgram();
}
