#include "booking/TfrmIntervallo.h"

#include "booking/BookingPictures.h"
#include "booking/BookingText.h"
#include "booking/Interval.h"
#include "common/FieldFilter.h"
#include "common/Numbers.h"
#include "common/Text.h"
#include "common/WindowRegistry.h"
#include "planner/DayCalendar.h"
#include "planner/TfrmPlanning.h"
#include "platform/Dialogs.h"
#include "ui_TfrmIntervallo.h"

#include <QKeyEvent>
#include <QLineEdit>

struct TfrmIntervallo::DateBox {
    QComboBox* box;
    QWidget* highlight;
    QWidget* next;
    bool day;
};

namespace {

using common::Trim;

const char* const kDayMissingStart =
    "Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a cascata.";
const char* const kMonthMissingStart =
    "Attenzione: indicare il mese di inizio intervallo selezionandolo dall'elenco a cascata.";
const char* const kDayMissingEnd =
    "Attenzione: indicare il giorno di fine intervallo selezionandolo dall'elenco a cascata.";
const char* const kMonthMissingEnd =
    "Attenzione: indicare il mese di fine intervallo selezionandolo dall'elenco a cascata.";

} // namespace

TfrmIntervallo::TfrmIntervallo(QWidget* owner)
    : common::Dialog(owner)
    , ui(std::make_unique<Ui::frmIntervallo>()) {
    ui->setupUi(this);
    setFixedSize(778, 366);
    setNoTitleButtons();
    setCentredOnScreen(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor::fromRgb(0xFFEBEAEA));
    setPalette(background);
    setAutoFillBackground(true);

    ui->shpSfondo->setFill(QColor::fromRgb(0xFFEAEAEA), Qt::white);
    ui->recCamera->setFill(QColor(0x00, 0x00, 0x80), Qt::white);
    ui->bkgDataInizio->setFill(QColor(0xF5, 0xF5, 0xF5), Qt::white);
    ui->bkgDataFine->setFill(QColor(0xF5, 0xF5, 0xF5), Qt::white);
    ui->effPrenotazione->setFill(QColor::fromRgb(0xFFFEFEC0), Qt::yellow);
    for (planner::Shape* highlight :
         {ui->effGiornoInizio, ui->effMeseInizio, ui->effGiornoFine, ui->effMeseFine})
        highlight->setFill(Qt::yellow, QColor(0xFF, 0xFF, 0xA0));
    QPalette white = ui->infCamera->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    ui->infCamera->setPalette(white);
    QPalette darkBlue = ui->lblDataInizio->palette();
    darkBlue.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x8B));
    ui->lblDataInizio->setPalette(darkBlue);
    ui->lblDataFine->setPalette(darkBlue);

    ui->cmdClipboard->setMaker(&booking::copyIconPicture);
    ui->cmdCancella->setMaker(&booking::eraserIconPicture);
    ui->cmdClipboard->setCommand();
    ui->cmdCancella->setCommand();
    ui->txtPrenotazione->setMaxLength(50);

    QStringList days, months;
    for (int d = 1; d <= 31; ++d)
        days.append(QString::number(d).rightJustified(2, QLatin1Char('0')));
    for (const planner::Month& m : planner::kMonths)
        months.append(QString::fromLatin1(m.title));
    boxes_ = {{ui->txtGiornoInizio, ui->effGiornoInizio, ui->txtMeseInizio, true},
              {ui->txtMeseInizio, ui->effMeseInizio, ui->txtGiornoFine, false},
              {ui->txtGiornoFine, ui->effGiornoFine, ui->txtMeseFine, true},
              {ui->txtMeseFine, ui->effMeseFine, ui->txtPrenotazione, false}};
    for (const DateBox& b : boxes_) {
        b.box->addItems(b.day ? days : months);
        b.box->setCurrentIndex(-1);
        // Without completion, leaving a box does not turn "MARZO" into the entry "Marzo" either.
        common::takeOnlyFromList(b.box);
        b.box->installEventFilter(this);
        b.box->lineEdit()->installEventFilter(this);
    }
    ui->txtPrenotazione->installEventFilter(this);

    connect(ui->cmdCancella, &QAbstractButton::clicked, this, &TfrmIntervallo::cmdCancellaClick);
    connect(ui->cmdClipboard, &QAbstractButton::clicked, this, &TfrmIntervallo::cmdClipboardClick);
    connect(ui->btnChiudi, &QPushButton::clicked, this, &TfrmIntervallo::btnChiudiClick);
    connect(ui->btnAnnulla, &QPushButton::clicked, this, &TfrmIntervallo::btnAnnullaClick);
}

TfrmIntervallo::~TfrmIntervallo() = default;

void TfrmIntervallo::preset(const planner::IntervalDialogPreset& preset) {
    ui->lblAnnoInizio->setText(preset.yearStart);
    ui->lblAnnoFine->setText(preset.yearEnd);
    ui->infCamera->setText(preset.vehicleLine);
    for (const DateBox& b : boxes_)
        b.box->setEditText(QString());
}

void TfrmIntervallo::FormShow() {
    ui->txtPrenotazione->setFocus();
}

const TfrmIntervallo::DateBox* TfrmIntervallo::dateBox(QObject* watched) const {
    for (const DateBox& b : boxes_)
        if (watched == b.box || watched == b.box->lineEdit())
            return &b;
    return nullptr;
}

bool TfrmIntervallo::dateBoxKeyDown(const DateBox& b, QKeyEvent* event) {
    switch (common::pickListKey(*event)) {
    case common::PickKey::Enter:
        b.next->setFocus();
        return true;
    case common::PickKey::Clear:
        b.box->setEditText(QString());
        return true;
    case common::PickKey::Pass:
        return false;
    case common::PickKey::Swallow:
        // No typing, no stepping through the entries with the arrows or paging.
        return true;
    }
    return true;
}

void TfrmIntervallo::dateBoxEnter(const DateBox& b) {
    common::resetSelection(b.box);
    b.highlight->show();
}

void TfrmIntervallo::dateBoxExit(const DateBox& b) {
    b.highlight->hide();
    // A month in any case is taken, not only as listed.
    if (b.day)
        common::keepOnlyAccepted(b.box, &booking::isDayEntry);
    else
        common::keepOnlyAccepted(b.box, [](const QString& text) { return booking::monthOfName(text) != 0; });
}

bool TfrmIntervallo::eventFilter(QObject* watched, QEvent* event) {
    if (const DateBox* b = dateBox(watched)) {
        switch (event->type()) {
        case QEvent::KeyPress:
            return dateBoxKeyDown(*b, static_cast<QKeyEvent*>(event));
        case QEvent::Wheel:
            return true;
        case QEvent::FocusIn:
            // Coming back from the box's own list or menu is no new entry into the box.
            if (watched == b->box && common::isFieldFocusChange(event))
                dateBoxEnter(*b);
            break;
        case QEvent::FocusOut:
            if (watched == b->box && common::isFieldFocusChange(event))
                dateBoxExit(*b);
            break;
        default:
            break;
        }
        return common::Dialog::eventFilter(watched, event);
    }
    if (watched == ui->txtPrenotazione && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ui->btnChiudi->setFocus();
            return true;
        }
    }
    return common::Dialog::eventFilter(watched, event);
}

void TfrmIntervallo::cmdCancellaClick() {
    booking::clearBookingText(ui->txtPrenotazione);
}

void TfrmIntervallo::cmdClipboardClick() {
    booking::copyBookingText(this, ui->txtPrenotazione);
}

void TfrmIntervallo::btnChiudiClick() {
    ui->lblDataInizio->clear();
    ui->lblDataFine->clear();
    try {
        const struct {
            QComboBox* box;
            const char* warning;
        } required[] = {{ui->txtGiornoInizio, kDayMissingStart},
                        {ui->txtMeseInizio, kMonthMissingStart},
                        {ui->txtGiornoFine, kDayMissingEnd},
                        {ui->txtMeseFine, kMonthMissingEnd}};
        for (const auto& r : required) {
            if (Trim(r.box->currentText()).isEmpty()) {
                platform::showKinded(this, platform::MsgKind::Warning, QString::fromUtf8(r.warning));
                r.box->setFocus();
                return;
            }
        }
        ui->lblDataInizio->setText(booking::composeDate(
            ui->txtGiornoInizio->currentText(), ui->txtMeseInizio->currentText(), ui->lblAnnoInizio->text()));
        const QString start = Trim(ui->lblDataInizio->text());
        if (!common::DataValida(start)) {
            platform::showPlain(this,
                                QStringLiteral("Attenzione: la data ") + start +
                                    QString::fromUtf8(" di inizio intervallo non esiste.\n\r\n\rPer poter "
                                                      "effettuare la prenotazione è necessario indicare una "
                                                      "data valida."));
            ui->txtGiornoInizio->setFocus();
            return;
        }
        ui->lblDataFine->setText(booking::composeDate(
            ui->txtGiornoFine->currentText(), ui->txtMeseFine->currentText(), ui->lblAnnoFine->text()));
        const QString end = Trim(ui->lblDataFine->text());
        if (!common::DataValida(end)) {
            platform::showPlain(this,
                                QStringLiteral("Attenzione: la data ") + end +
                                    QString::fromUtf8(" di fine intervallo non esiste.\n\r\n\rPer effettuare "
                                                      "la prenotazione è necessario indicare una data "
                                                      "valida."));
            ui->txtGiornoFine->setFocus();
            return;
        }
        const QDate startDate = common::LeggiData(start);
        const QDate endDate = common::LeggiData(end);
        if (startDate > endDate) {
            platform::showPlain(
                this, QStringLiteral("Attenzione: la data di fine intervallo (") + end +
                          QStringLiteral(") non può essere anteriore a quella di inizio intervallo (") +
                          start +
                          QString::fromUtf8(").\n\r\n\rPer effettuare la prenotazione è necessario indicare "
                                            "un intervallo di tempo valido."));
            return;
        }
        const QString text = Trim(ui->txtPrenotazione->text());
        if (text.isEmpty()) {
            platform::showKinded(this, platform::MsgKind::Warning,
                                 QString::fromUtf8("Attenzione: per effettuare la prenotazione è necessario "
                                                   "indicare il nome del cliente."));
            ui->txtPrenotazione->setFocus();
            return;
        }
        if (!platform::askYesNo(this, QStringLiteral("INTERVALLO SELEZIONATO:  DAL  ") + start +
                                          QStringLiteral(" AL ") + end +
                                          QStringLiteral(".\r\n\r\nSi conferma la prenotazione?")))
            return;
        auto* planning = common::sharedWindow<TfrmPlanning>(QStringLiteral("frmPlanning"));
        if (!planning)
            return;
        booking::bookInterval(*planning, Trim(ui->lblAnnoInizio->text()).toInt(), startDate, endDate, text);
        close();
    } catch (const std::exception&) {
        // The dialog stays open; the days booked before the failure stay booked.
    }
}

void TfrmIntervallo::btnAnnullaClick() {
    close();
}
