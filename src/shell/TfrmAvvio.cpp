#include "shell/TfrmAvvio.h"

#include "common/Help.h"
#include "common/Look.h"
#include "common/Misc.h"
#include "common/Pictures.h"
#include "common/WindowRegistry.h"
#include "platform/Program.h"
#include "shell/Maker.h"
#include "shell/TfrmInfo.h"
#include "shell/TfrmSplash.h"
#include "ui_TfrmAvvio.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

struct Tile {
    QLabel* Ui::frmAvvio::*picture;
    QLabel* Ui::frmAvvio::*button;
    QColor colour;
    const char* caption;
    void (TfrmAvvio::*command)();
};

} // namespace

TfrmAvvio::TfrmAvvio(QWidget* parent)
    : common::Form(parent)
    , ui(std::make_unique<Ui::frmAvvio>()) {
    ui->setupUi(this);
    setWindowState(Qt::WindowMaximized);
    common::setBackground(this, QColor(235, 240, 248));

    const Tile tiles[] = {
        {&Ui::frmAvvio::imgApp02, &Ui::frmAvvio::btnApp02, QColor(0, 90, 170), "Parco Automezzi",
         &TfrmAvvio::imgApp02Click},
        {&Ui::frmAvvio::imgApp03, &Ui::frmAvvio::btnApp03, QColor(230, 120, 0), "Scadenze Imminenti",
         &TfrmAvvio::imgApp03Click},
        {&Ui::frmAvvio::imgApp04, &Ui::frmAvvio::btnApp04, QColor(0, 140, 70), "Costi sostenuti",
         &TfrmAvvio::imgApp04Click},
        {&Ui::frmAvvio::imgApp06, &Ui::frmAvvio::btnApp06, QColor(130, 40, 150), "Planner Prenotazioni",
         &TfrmAvvio::imgApp06Click},
        {&Ui::frmAvvio::imgApp07, &Ui::frmAvvio::btnApp07, QColor(180, 30, 50), "Scadenzario Manutenzioni",
         &TfrmAvvio::imgApp07Click},
        {&Ui::frmAvvio::imgApp08, &Ui::frmAvvio::btnApp08, QColor(0, 130, 140), "Scadenzario Chilometrico",
         &TfrmAvvio::imgApp08Click},
    };
    for (const Tile& tile : tiles) {
        QLabel* picture = ui.get()->*tile.picture;
        QLabel* button = ui.get()->*tile.button;
        const QString caption = QString::fromUtf8(tile.caption);
        picture->setPixmap(common::tilePicture(picture->size(), tile.colour, caption));
        button->setPixmap(common::buttonPicture(button->size(), tile.colour, QStringLiteral("Apri")));
        commands_.insert(picture, tile.command);
        commands_.insert(button, tile.command);
    }
    ui->imgTitolo->setPixmap(common::logoPicture(ui->imgTitolo->size()));
    const struct {
        QLabel* label;
        common::Icon icon;
        void (TfrmAvvio::*command)();
    } icons[] = {
        {ui->imgInfo, common::Icon::Info, &TfrmAvvio::imgInfoClick},
        {ui->imgGuida, common::Icon::Help, &TfrmAvvio::imgGuidaClick},
        {ui->imgCrediti, common::Icon::Credits, &TfrmAvvio::imgCreditiClick},
        {ui->imgEsci, common::Icon::Exit, &TfrmAvvio::imgEsciClick},
    };
    for (const auto& icon : icons) {
        icon.label->setPixmap(common::iconPicture(icon.icon, icon.label->height()));
        commands_.insert(icon.label, icon.command);
    }
    ui->imgSito->setPixmap(
        common::bannerPicture(ui->imgSito->size(), QString::fromLatin1(shell::kMakerSiteShown)));
    commands_.insert(ui->imgSito, &TfrmAvvio::imgSitoClick);
    for (QObject* picture : commands_.keys()) {
        static_cast<QWidget*>(picture)->setCursor(Qt::PointingHandCursor);
        picture->installEventFilter(this);
    }
}

TfrmAvvio::~TfrmAvvio() = default;

bool TfrmAvvio::eventFilter(QObject* watched, QEvent* event) {
    // A picture's click: the left button released over the picture pressed.
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto found = commands_.constFind(watched);
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (found != commands_.constEnd() && mouse->button() == Qt::LeftButton &&
            static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint())) {
            (this->*found.value())();
            return true;
        }
    }
    return common::Form::eventFilter(watched, event);
}

void TfrmAvvio::resizeEvent(QResizeEvent* event) {
    common::Form::resizeEvent(event);
    // The menu keeps its size and stays in the middle of the maximised window.
    const QSize free = size() - ui->pnlMenu->size();
    ui->pnlMenu->move(qMax(0, free.width() / 2), qMax(0, free.height() / 2));
}

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
