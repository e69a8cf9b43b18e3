#include "planner/TfrmPlanning.h"

#include "common/CardForm.h"
#include "common/CommandPictures.h"
#include "common/CommandTable.h"
#include "common/ControlText.h"
#include "common/Failure.h"
#include "common/Help.h"
#include "common/Look.h"
#include "common/Numbers.h"
#include "common/Placement.h"
#include "common/StatusHints.h"
#include "common/Text.h"
#include "common/WindowRegistry.h"
#include "planner/EditStroke.h"
#include "planner/Picture.h"
#include "planner/PlannerPictures.h"
#include "planner/TfrmMenuDisponibili.h"
#include "platform/Dialogs.h"
#include "ui_TfrmPlanning.h"

#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace planner {

PlannerOpeners& plannerOpeners() {
    static PlannerOpeners openers;
    return openers;
}

} // namespace planner

namespace {

using common::Trim;
using planner::kDaySlots;
using planner::kMonths;

const QColor kSteelBlue = QColor::fromRgb(0xFF427AA8);

constexpr int kCellLeft = 166;
constexpr int kCellTop = 152;
constexpr int kCellStepX = 26;
constexpr int kCellStepY = 40;
constexpr QSize kCellSize(24, 33);

// A wide toolbar command: its caption on an orange-to-red pill.
common::CommandPicture commandBar(const char* caption) {
    return [caption](QWidget* control) {
        auto* picture = static_cast<planner::Picture*>(control);
        const QString text = QString::fromLatin1(caption);
        picture->setMaker([text](const QSize& size) { return planner::commandBarPicture(text, size); });
        picture->setCommand();
    };
}

// One of the program's command pictures, drawn to the control's size at its first paint.
common::CommandPicture commandSquare(common::Command command) {
    return [command](QWidget* control) {
        auto* picture = static_cast<planner::Picture*>(control);
        picture->setMaker([command](const QSize& size) {
            return common::commandIcon(command, std::min(size.width(), size.height())).pixmap(size);
        });
        picture->setCommand();
    };
}

TfrmMenuDisponibili* entryWindow() {
    return common::sharedWindow<TfrmMenuDisponibili>(QStringLiteral("frmMenuDisponibili"));
}

} // namespace

TfrmPlanning::TfrmPlanning(QWidget* parent)
    : common::Form(parent)
    , ui(std::make_unique<Ui::frmPlanning>()) {
    ui->setupUi(this);
    setWindowState(Qt::WindowMaximized);
    common::keepCentred(ui->panContainer);

    const QColor paleBlue = QColor::fromRgb(0xFFC8D6E3);
    ui->shpContainer->setFill(paleBlue, paleBlue);
    for (planner::Shape* tile : {ui->shpTitolo, ui->shpIntervallo, ui->shpRiepilogo, ui->shpAnteprima,
                                 ui->shpStampa, ui->shpControlli06, ui->bkgCamera})
        tile->setFill(Qt::white, Qt::white);
    ui->shpSezione01->setGradient(kSteelBlue, Qt::white);
    ui->shpInfo->setFill(QColor::fromRgb(0xFF3030DD), QColor::fromRgb(0xFF3030DD));

    QPalette info = ui->panInfo->palette();
    info.setColor(QPalette::WindowText, Qt::white);
    ui->panInfo->setPalette(info);
    QPalette yearColour = ui->txtAnno->palette();
    yearColour.setColor(QPalette::WindowText, Qt::yellow);
    ui->txtAnno->setPalette(yearColour);
    // The header edits' background: AliceBlue, as the record fields of the cards.
    for (QLineEdit* edit : {ui->txtVeicolo, ui->txtMarca, ui->txtModello, ui->txtTarga}) {
        QPalette p = edit->palette();
        p.setColor(QPalette::Base, QColor::fromRgb(0xFFF0F8FF));
        edit->setPalette(p);
    }
    // Their frame: a SkyBlue stroke, through a style of their own (a sheet would restyle every day cell).
    auto* stroke = new planner::EditStroke(QColor::fromRgb(0xFF87CEEB), this);
    for (QLineEdit* edit : {ui->txtVeicolo, ui->txtMarca, ui->txtModello, ui->txtTarga})
        edit->setStyle(stroke);
    ui->txtVeicolo->setMaxLength(50);
    ui->txtMarca->setMaxLength(50);
    ui->txtModello->setMaxLength(50);
    ui->txtTarga->setMaxLength(30);

    // Pictures are drawn at their first paint, not here.
    ui->icoTitolo->setMaker(&planner::plannerTitlePicture);
    ui->icoAnno->setMaker(&planner::yearPicture);
    createDayCells();

    hints_ = new common::StatusHints(ui->panInfo, this);
    static const common::CommandTable<TfrmPlanning> kCommands{
        {"cmdIntervallo", commandBar("Intervallo"), "Prenota intervallo di tempo.",
         &TfrmPlanning::cmdIntervalloClick},
        {"cmdRiepilogo", commandBar("Riepilogo"), "Visualizza il riepilogo delle prenotazioni registrate.",
         &TfrmPlanning::cmdRiepilogoClick},
        {"cmdAnteprima", commandBar("Anteprima"), "Visualizza l'anteprima di stampa del planning corrente.",
         &TfrmPlanning::cmdAnteprimaClick},
        {"cmdStampa", commandBar("Stampa"), "Stampa il planning corrente.", &TfrmPlanning::cmdStampaClick},
        {"cmdGuida", commandSquare(common::Command::Help), "Visualizza la guida in linea.",
         &TfrmPlanning::cmdGuidaClick},
        {"cmdEsci", commandSquare(common::Command::Exit), "Esci da questa schermata di lavoro.",
         &TfrmPlanning::cmdEsciClick},
        {"cmdSalva", {}, "Salva la scheda corrente in archivio.", &TfrmPlanning::cmdSalvaClick},
        {"cmdNuovo",
         {},
         "Prepara la schermata per la registrazione di una nuova scheda.",
         &TfrmPlanning::cmdNuovoClick},
    };
    common::installCommands(this, kCommands, hints_);
    const QString dayHint = QString::fromUtf8(planner::kDayHint);
    for (int i = 0; i < kDaySlots; ++i) {
        hints_->add(lib_[i], dayHint);
        hints_->add(occ_[i], dayHint);
    }
    for (QWidget* background : std::initializer_list<QWidget*>{
             this, ui->shpContainer, ui->shpSezione01, ui->shpTitolo, ui->icoTitolo, ui->shpIntervallo,
             ui->shpRiepilogo, ui->shpAnteprima, ui->shpStampa, ui->shpControlli06, ui->bkgCamera})
        hints_->addBackground(background);
    // The panel under everything, and so the header, the year and the month titles, keep the hint.
    hints_->addQuiet(ui->panContainer);
}

TfrmPlanning::~TfrmPlanning() = default;

void TfrmPlanning::createDayCells() {
    QWidget* panel = ui->panContainer;
    // The cells go between the grid's background and the status bar.
    QWidget* above = ui->shpInfo;
    for (int m = 1; m <= 12; ++m) {
        const planner::Month& month = kMonths[m - 1];
        auto* title = new planner::Picture(panel);
        title->setObjectName(QStringLiteral("tit") + QLatin1String(month.cell));
        title->setGeometry(24, kCellTop + kCellStepY * (m - 1), 136, 33);
        title->setMaker([m](const QSize& size) { return planner::monthTitlePicture(m, size); });
        title->stackUnder(above);
        for (int d = 1; d <= month.days; ++d) {
            const int slot = month.firstSlot + d - 1;
            const QString suffix = planner::cellSuffix(slot);
            const QRect place(QPoint(kCellLeft + kCellStepX * (d - 1), kCellTop + kCellStepY * (m - 1)),
                              kCellSize);
            for (const bool booked : {false, true}) {
                auto* cell = new planner::Picture(panel);
                cell->setObjectName((booked ? QStringLiteral("occ") : QStringLiteral("lib")) + suffix);
                cell->setGeometry(place);
                cell->setMaker(
                    [d, booked](const QSize& size) { return planner::dayPicture(d, booked, size); });
                cell->setCursor(Qt::PointingHandCursor);
                cell->stackUnder(above);
                if (booked)
                    cell->hide();
                connect(cell, &QAbstractButton::clicked, this, [this, slot] { occDayClick(slot); });
                (booked ? occ_ : lib_)[slot - 1] = cell;
            }
            auto* text = new QLabel(ui->panMemGiorni);
            text->setObjectName(QStringLiteral("mem") + suffix);
            text->setTextFormat(Qt::PlainText);
            text->hide();
            mem_[slot - 1] = text;
        }
    }
}

QString TfrmPlanning::vehicle() const {
    return Trim(ui->txtVeicolo->text());
}
QString TfrmPlanning::make() const {
    return Trim(ui->txtMarca->text());
}
QString TfrmPlanning::model() const {
    return Trim(ui->txtModello->text());
}
QString TfrmPlanning::plate() const {
    return Trim(ui->txtTarga->text());
}
QString TfrmPlanning::year() const {
    return Trim(ui->txtAnno->text());
}

bool TfrmPlanning::isDayBooked(int slot) const {
    if (slot < 1 || slot > kDaySlots)
        return false;
    return !occ_[slot - 1]->isHidden();
}

QString TfrmPlanning::dayText(int slot) const {
    if (slot < 1 || slot > kDaySlots)
        return {};
    return Trim(mem_[slot - 1]->text());
}

void TfrmPlanning::showDayState(int slot, bool booked) {
    planner::Picture* free = lib_[slot - 1];
    planner::Picture* taken = occ_[slot - 1];
    if (booked) {
        if (!free->isHidden())
            free->hide();
        if (taken->isHidden())
            taken->show();
    } else {
        if (free->isHidden())
            free->show();
        if (!taken->isHidden())
            taken->hide();
    }
}

void TfrmPlanning::setDay(int slot, const QString& text) {
    if (slot < 1 || slot > kDaySlots)
        return;
    const QString trimmed = Trim(text);
    showDayState(slot, !trimmed.isEmpty());
    mem_[slot - 1]->setText(trimmed);
}

void TfrmPlanning::setYearAndVehicle(const QString& year, const planner::PlannerHeader& vehicle) {
    const QString y = Trim(year);
    setWindowTitle(QStringLiteral(" Veicolario - Planner prenotazioni anno ") + y);
    ui->txtAnno->setText(y);
    showHeader(vehicle);
}

void TfrmPlanning::showHeader(const planner::PlannerHeader& vehicle) {
    // Each edit shows the start of its text.
    common::setControlText(ui->txtVeicolo, Trim(vehicle.veicolo));
    common::setControlText(ui->txtMarca, Trim(vehicle.marca));
    common::setControlText(ui->txtModello, Trim(vehicle.modello));
    common::setControlText(ui->txtTarga, Trim(vehicle.targa));
}

planner::DayTexts TfrmPlanning::dayTexts() const {
    planner::DayTexts days;
    for (int slot = 1; slot <= kDaySlots; ++slot)
        days[slot - 1] = dayText(slot);
    return days;
}

void TfrmPlanning::paintEvent(QPaintEvent*) {
    QPainter p(this);
    planner::paintShade(p, rect(), kSteelBlue, Qt::white);
}

void TfrmPlanning::cmdNuovoClick() {
    for (int slot = 1; slot <= kDaySlots; ++slot)
        showDayState(slot, false);
    for (QLabel* text : mem_)
        text->clear();
    ui->lblPosizione->clear();
    ui->txtVeicolo->setFocus();
}

void TfrmPlanning::FormShow() {
    cmdNuovoClick();
    unread_ = false;
    const TfrmMenuDisponibili* entry = entryWindow();
    const planner::PlannerHeader chosen = entry ? entry->chosenVehicle() : planner::PlannerHeader{};
    showHeader(chosen);
    ui->lblPosizione->setText(QStringLiteral("1"));
    const QString path = entry ? Trim(entry->plannerFile()) : QString();
    const QFileInfo info(path);
    const bool existed = !path.isEmpty() && (info.exists() || info.isSymLink());
    try {
        planner::DayTexts days;
        if (!planner::loadPlanner(path, days))
            return;
        for (int slot = 1; slot <= kDaySlots; ++slot)
            mem_[slot - 1]->setText(days[slot - 1]);
        for (int slot = 1; slot <= kDaySlots; ++slot)
            showDayState(slot, !dayText(slot).isEmpty());
    } catch (const common::Failure&) {
        // A missing planner that cannot be created shows all days free. Stored bookings that cannot be
        // read must not be overwritten by an empty planner at close, and a planner that no save could
        // replace keeps nothing typed: nothing is saved then, and no booking is taken that would be lost.
        unread_ = true;
        if (existed) {
            ui->lblPosizione->clear();
            platform::showKinded(this, platform::MsgKind::Error, common::kArchiveFailure);
        }
    }
}

void TfrmPlanning::cmdSalvaClick() {
    if (unread_)
        return;
    const TfrmMenuDisponibili* entry = entryWindow();
    const QString path = entry ? Trim(entry->plannerFile()) : QString();
    if (Trim(ui->lblPosizione->text()).isEmpty()) {
        // Nothing to write; a missing file is still created, as every opening does.
        try {
            planner::touchPlanner(path);
        } catch (const common::Failure&) {
        }
        return;
    }
    try {
        planner::savePlanner(path, {vehicle(), make(), model(), plate()}, dayTexts());
        ui->lblPosizione->setText(QStringLiteral("1"));
    } catch (const common::Failure&) {
        platform::showKinded(this, platform::MsgKind::Error, common::kArchiveFailure);
    }
}

void TfrmPlanning::FormClose() {
    cmdSalvaClick();
    if (QWidget* menu = common::sharedWindow(QStringLiteral("frmAvvio")))
        menu->show();
    hide();
}

bool TfrmPlanning::refuseUnreadPlanner() {
    if (!unread_)
        return false;
    platform::showKinded(this, platform::MsgKind::Error, common::kArchiveFailure);
    return true;
}

void TfrmPlanning::occDayClick(int slot) {
    const int month = planner::monthOfSlot(slot);
    if (month == 0 || refuseUnreadPlanner())
        return;
    const int day = planner::dayOfSlot(slot);
    if (month == 2 && day == 29) {
        const QString date = QStringLiteral("29/02/") + year();
        if (!common::DataValida(date)) {
            platform::showKinded(
                this, platform::MsgKind::Warning,
                QStringLiteral("Attenzione: la data ") + Trim(date) +
                    QString::fromUtf8(" non esiste.\n\r\n\rPer poter effettuare la prenotazione "
                                      "è necessario indicare una data valida."));
            return;
        }
    }
    planner::DayDialogPreset preset;
    preset.tag = planner::dayTag(slot);
    preset.heading =
        QStringLiteral("Prenotazione del %1 %2 ").arg(day).arg(planner::monthName(month)) + year();
    preset.vehicleLine = make() + QLatin1Char(' ') + model();
    preset.text = dayText(slot);
    if (const auto& open = planner::plannerOpeners().day)
        open(this, preset);
}

void TfrmPlanning::cmdIntervalloClick() {
    if (refuseUnreadPlanner())
        return;
    planner::IntervalDialogPreset preset;
    preset.yearStart = year();
    preset.yearEnd = year();
    preset.vehicleLine = make() + QLatin1Char(' ') + model();
    if (const auto& open = planner::plannerOpeners().interval)
        open(this, preset);
}

void TfrmPlanning::cmdRiepilogoClick() {
    if (const auto& open = planner::plannerOpeners().summary)
        open(this);
}

void TfrmPlanning::cmdAnteprimaClick() {
    if (const auto& open = planner::plannerOpeners().preview)
        open(this);
}

void TfrmPlanning::cmdStampaClick() {
    if (const auto& open = planner::plannerOpeners().print)
        open(this);
}

void TfrmPlanning::cmdGuidaClick() {
    common::showHelp(this, QStringLiteral("planner"));
}

void TfrmPlanning::cmdEsciClick() {
    close();
}
