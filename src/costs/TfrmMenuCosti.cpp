#include "costs/TfrmMenuCosti.h"

#include "common/CardFields.h"
#include "common/Clock.h"
#include "common/FieldFilter.h"
#include "common/Help.h"
#include "common/Look.h"
#include "common/Numbers.h"
#include "common/Pictures.h"
#include "common/Placement.h"
#include "common/Text.h"
#include "common/WindowRegistry.h"
#include "costs/SchedaCosto.h"
#include "costs/TfrmCosti.h"
#include "platform/Dialogs.h"
#include "ui_TfrmMenuCosti.h"

#include <QKeyEvent>

namespace {

const QString kYearWarning = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");

} // namespace

TfrmMenuCosti::TfrmMenuCosti(QWidget* parent)
    : common::Form(parent)
    , ui(std::make_unique<Ui::frmMenuCosti>()) {
    ui->setupUi(this);
    common::keepCentred(ui->pnlMenu);
    setWindowState(Qt::WindowMaximized);
    common::setBackground(this, QColor(0, 140, 70));
    common::setBackground(ui->pnlMenu, Qt::white);
    for (QWidget* section : {ui->panSezione01, ui->panSezione02, ui->panSezione03})
        common::setBackground(section, common::kPaleBlueBox);
    common::markFocusRectangle(ui->effAnnoConsumi);
    ui->txtAnnoConsumi->setMaxLength(4);
    common::filterField(ui->txtAnnoConsumi, common::isDigitChar);
    ui->txtAnnoConsumi->installEventFilter(this);

    connect(ui->btnApriConsumi, &QPushButton::clicked, this, &TfrmMenuCosti::btnApriConsumiClick);
    connect(ui->btnApriRiepConsumi, &QPushButton::clicked, this, &TfrmMenuCosti::btnApriRiepConsumiClick);
    connect(ui->btnApriRiepStats, &QPushButton::clicked, this, &TfrmMenuCosti::btnApriRiepStatsClick);
    connect(ui->imgGuida, &QToolButton::clicked, this, &TfrmMenuCosti::imgGuidaClick);
    connect(ui->imgEsci, &QToolButton::clicked, this, &TfrmMenuCosti::imgEsciClick);
}

TfrmMenuCosti::~TfrmMenuCosti() = default;

QString TfrmMenuCosti::callerTag() const {
    return ui->lblMemory->text();
}

void TfrmMenuCosti::setCallerTag(const QString& tag) {
    ui->lblMemory->setText(tag);
}

void TfrmMenuCosti::FormShow() {
    // Pictures are drawn at the first show, not at start.
    if (ui->imgGuida->icon().isNull()) {
        ui->imgGuida->setIcon(QIcon(common::iconPicture(common::Icon::Help, 40)));
        ui->imgGuida->setIconSize(QSize(40, 40));
        ui->imgEsci->setIcon(QIcon(common::iconPicture(common::Icon::Exit, 40)));
        ui->imgEsci->setIconSize(QSize(40, 40));
    }
    ui->txtAnnoConsumi->setText(common::today().toString(QStringLiteral("yyyy")));
    ui->txtAnnoConsumi->setFocus(Qt::OtherFocusReason);
}

bool TfrmMenuCosti::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->txtAnnoConsumi) {
        switch (event->type()) {
        case QEvent::FocusIn:
            ui->effAnnoConsumi->show();
            break;
        case QEvent::FocusOut:
            ui->effAnnoConsumi->hide();
            break;
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                ui->btnApriConsumi->setFocus(Qt::TabFocusReason);
                return true;
            }
            return !common::keyPasses(key, common::isDigitChar);
        }
        default:
            break;
        }
    }
    return common::Form::eventFilter(watched, event);
}

void TfrmMenuCosti::btnApriConsumiClick() {
    const QString year = ui->txtAnnoConsumi->text();
    if (!common::AnnoValido(year)) {
        platform::showKinded(this, platform::MsgKind::Warning, kYearWarning);
        ui->txtAnnoConsumi->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString trimmed = common::Trim(year);
    if (auto* card = common::sharedWindow<TfrmCosti>(QStringLiteral("frmCosti")))
        card->openYear(costs::costFilePath(trimmed),
                       QStringLiteral(" Veicolario - Costi sostenuti nell'anno ") + trimmed, trimmed);
    setCallerTag(QStringLiteral("costi"));
    close();
}

void TfrmMenuCosti::btnApriRiepConsumiClick() {
    setCallerTag(QStringLiteral("RiepSpese"));
    close();
}

void TfrmMenuCosti::btnApriRiepStatsClick() {
    setCallerTag(QStringLiteral("stats"));
    close();
}

void TfrmMenuCosti::imgGuidaClick() {
    common::showHelp(this, QStringLiteral("costi"));
}

void TfrmMenuCosti::imgEsciClick() {
    close();
}

void TfrmMenuCosti::FormClose() {
    static const QList<std::pair<QString, QString>> kRoutes{
        {QStringLiteral("avvio"), QStringLiteral("frmAvvio")},
        {QStringLiteral("costi"), QStringLiteral("frmCosti")},
        {QStringLiteral("RiepSpese"), QStringLiteral("frmMenuRiepSpese")},
        {QStringLiteral("stats"), QStringLiteral("frmStatCosti")},
    };
    const QString tag = common::Trim(callerTag());
    QWidget* next = nullptr;
    for (const auto& [route, window] : kRoutes)
        if (tag == route) {
            next = common::sharedWindow(window);
            break;
        }
    // A window not there (or an unknown tag) leads back to the start menu.
    if (!next)
        next = common::sharedWindow(QStringLiteral("frmAvvio"));
    if (next)
        next->show();
    hide();
}
