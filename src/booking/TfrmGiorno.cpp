#include "booking/TfrmGiorno.h"

#include "booking/BookingPictures.h"
#include "booking/BookingText.h"
#include "common/Text.h"
#include "common/WindowRegistry.h"
#include "planner/DayCalendar.h"
#include "planner/Picture.h"
#include "planner/TfrmPlanning.h"
#include "ui_TfrmGiorno.h"

#include <QPainter>

TfrmGiorno::TfrmGiorno(QWidget* owner)
    : common::Dialog(owner)
    , ui(std::make_unique<Ui::frmGiorno>()) {
    ui->setupUi(this);
    setFixedSize(660, 425);
    setNoTitleButtons();
    setCentredOnScreen(true);

    ui->shpSfondo->setFill(Qt::white, Qt::white);
    ui->recCamera->setFill(Qt::black, Qt::white);
    ui->recTitolo->setFill(QColor::fromRgb(0xFFB7CFE4), Qt::white);
    ui->effPrenotazione->setFill(QColor::fromRgb(0xFFFEFEC0), Qt::yellow);
    ui->Rectangle1->setFill(Qt::white, QColor::fromRgb(0xFF8EB4D3));
    QPalette white = ui->infCamera->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    ui->infCamera->setPalette(white);
    QPalette brown = ui->infGiorno->palette();
    brown.setColor(QPalette::WindowText, QColor(0xA5, 0x2A, 0x2A));
    ui->infGiorno->setPalette(brown);

    ui->icoIstruzioni->setMaker([](const QSize& size) {
        return booking::instructionsPicture(
            {QStringLiteral(
                 "Per registrare una prenotazione, indicare il nome del cliente nel campo sottostante."),
             QStringLiteral("Per annullare la prenotazione, cancellare il contenuto dello stesso campo.")},
            size);
    });
    ui->icnLibera->setMaker([](const QSize& size) { return booking::calendarSheetPicture(false, size); });
    ui->icnOccupata->setMaker([](const QSize& size) { return booking::calendarSheetPicture(true, size); });
    ui->icoLibera->setMaker([](const QSize& size) { return booking::statusPlatePicture(false, size); });
    ui->icoOccupata->setMaker([](const QSize& size) { return booking::statusPlatePicture(true, size); });
    ui->cmdClipboard->setMaker(&booking::copyIconPicture);
    ui->cmdCancella->setMaker(&booking::eraserIconPicture);
    ui->cmdClipboard->setCommand();
    ui->cmdCancella->setCommand();

    ui->txtPrenotazione->setMaxLength(50);
    // Typing and assignments of another text both run the status rule.
    connect(ui->txtPrenotazione, &QLineEdit::textChanged, this, &TfrmGiorno::txtPrenotazioneChange);
    connect(ui->cmdCancella, &QAbstractButton::clicked, this, &TfrmGiorno::cmdCancellaClick);
    connect(ui->cmdClipboard, &QAbstractButton::clicked, this, &TfrmGiorno::cmdClipboardClick);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &TfrmGiorno::btnChiudiClick);
    connect(ui->btnAnnulla, &QPushButton::clicked, this, &TfrmGiorno::btnAnnullaClick);
}

TfrmGiorno::~TfrmGiorno() = default;

void TfrmGiorno::preset(const planner::DayDialogPreset& preset) {
    ui->lblMemory->setText(preset.tag);
    ui->infGiorno->setText(preset.heading);
    ui->infCamera->setText(preset.vehicleLine);
    ui->txtPrenotazione->setText(preset.text);
}

void TfrmGiorno::paintEvent(QPaintEvent*) {
    QPainter p(this);
    planner::paintShade(p, rect(), QColor(0x46, 0x82, 0xB4), Qt::white);
}

void TfrmGiorno::FormShow() {
    ui->txtPrenotazione->setFocus();
}

void TfrmGiorno::txtPrenotazioneChange(const QString& text) {
    const bool booked = !common::Trim(text).isEmpty();
    ui->icoLibera->setVisible(!booked);
    ui->icoOccupata->setVisible(booked);
    ui->icnLibera->setVisible(!booked);
    ui->icnOccupata->setVisible(booked);
}

void TfrmGiorno::cmdCancellaClick() {
    booking::clearBookingText(ui->txtPrenotazione);
}

void TfrmGiorno::cmdClipboardClick() {
    booking::copyBookingText(this, ui->txtPrenotazione);
}

void TfrmGiorno::btnChiudiClick() {
    const int slot = planner::slotOfTag(common::Trim(ui->lblMemory->text()));
    auto* planning = common::sharedWindow<TfrmPlanning>(QStringLiteral("frmPlanning"));
    if (slot != 0 && planning)
        planning->setDay(slot, ui->txtPrenotazione->text());
    close();
}

void TfrmGiorno::btnAnnullaClick() {
    close();
}
