#include "costs/TfrmMenuRiepSpese.h"

#include "common/Clock.h"
#include "common/CommandPictures.h"
#include "common/FieldFilter.h"
#include "common/Look.h"
#include "common/Numbers.h"
#include "common/Pictures.h"
#include "common/Placement.h"
#include "common/Text.h"
#include "common/WindowRegistry.h"
#include "costs/CostKeys.h"
#include "costs/SchedaCosto.h"
#include "costs/TfrmRiepSpese.h"
#include "fleet/TfrmTrovaAutomezzi.h"
#include "platform/Dialogs.h"
#include "ui_TfrmMenuRiepSpese.h"

#include <QKeyEvent>

namespace {

const QString kBreak = QStringLiteral("\n\r\n\r");

// A month name's two digits ("01" for "gennaio"); empty for any other text.
QString monthDigits(const QString& name) {
    const int month = costs::monthNumber(name);
    return month == 0 ? QString() : QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'));
}

} // namespace

TfrmMenuRiepSpese::TfrmMenuRiepSpese(QWidget* parent)
    : common::Form(parent)
    , ui(std::make_unique<Ui::frmMenuRiepSpese>()) {
    ui->setupUi(this);
    common::keepCentred(ui->panQuery);
    setWindowState(Qt::WindowMaximized);
    common::setBackground(this, QColor(0x2E, 0x8B, 0x57));
    common::setBackground(ui->panQuery, Qt::white);
    ui->txtAnno->setMaxLength(4);
    common::filterField(ui->txtAnno, common::isDigitChar);
    ui->txtTipologia->setMaxLength(30);
    ui->txtCausale->addItems(costs::causes());
    ui->txtCausale->setCurrentIndex(-1); // the cause filter starts empty
    ui->txtCausale->lineEdit()->setMaxLength(50);
    for (QComboBox* day : {ui->txtGiornoInizio, ui->txtGiornoFine}) {
        day->addItems(costs::dayItems());
        day->lineEdit()->setMaxLength(2);
    }
    for (QComboBox* month : {ui->txtMeseInizio, ui->txtMeseFine}) {
        month->addItems(costs::monthNames());
        month->lineEdit()->setMaxLength(9);
    }
    // The day and month boxes take nothing but a pick from their lists, neither typed nor pasted; the cause
    // keeps what is typed, as the summary matches it by containment.
    for (QComboBox* box : {ui->txtGiornoInizio, ui->txtMeseInizio, ui->txtGiornoFine, ui->txtMeseFine})
        common::takeOnlyFromList(box);
    common::keepTypedText(ui->txtCausale);
    const std::pair<QWidget*, QWidget*> marked[] = {
        {ui->txtAnno, ui->effAnno},
        {ui->txtTipologia, ui->effTipologia},
        {ui->txtCausale, ui->effCausale},
        {ui->txtGiornoInizio, ui->effGiornoInizio},
        {ui->txtMeseInizio, ui->effMeseInizio},
        {ui->txtGiornoFine, ui->effGiornoFine},
        {ui->txtMeseFine, ui->effMeseFine},
    };
    for (const auto& [field, frame] : marked) {
        common::markFocusRectangle(frame);
        highlights_.insert(field, frame);
        field->installEventFilter(this);
    }
    // The year labels follow every change of the year, typed or pasted.
    connect(ui->txtAnno, &QLineEdit::textChanged, this, &TfrmMenuRiepSpese::copyYear);
    connect(ui->btnVisualizza, &QPushButton::pressed, this, &TfrmMenuRiepSpese::btnVisualizzaMouseDown);
    connect(ui->btnVisualizza, &QPushButton::clicked, this, &TfrmMenuRiepSpese::btnVisualizzaClick);
    connect(ui->btnEsci, &QPushButton::clicked, this, &TfrmMenuRiepSpese::btnEsciClick);
    connect(ui->impCliente, &QToolButton::clicked, this, &TfrmMenuRiepSpese::impClienteClick);
}

TfrmMenuRiepSpese::~TfrmMenuRiepSpese() = default;

QString TfrmMenuRiepSpese::plateFilter() const {
    return ui->txtTipologia->text();
}
QString TfrmMenuRiepSpese::causeFilter() const {
    return ui->txtCausale->currentText();
}
QString TfrmMenuRiepSpese::costFile() const {
    return common::Trim(ui->lblFile->text());
}
QString TfrmMenuRiepSpese::startDate() const {
    return ui->lblDataInizio->text();
}
QString TfrmMenuRiepSpese::endDate() const {
    return ui->lblDataFine->text();
}
void TfrmMenuRiepSpese::setVehicle(const common::PickedVehicle& vehicle) {
    ui->txtTipologia->setText(vehicle.targa);
}
void TfrmMenuRiepSpese::hideWaiting() {
    ui->lblAttendere->hide();
}

void TfrmMenuRiepSpese::copyYear() {
    const QString year = common::Trim(ui->txtAnno->text());
    ui->lblAnnoInizio->setText(year);
    ui->lblAnnoFine->setText(year);
}

void TfrmMenuRiepSpese::FormShow() {
    if (ui->impCliente->icon().isNull()) {
        ui->impCliente->setIcon(common::commandIcon(common::Command::Import, 30));
        ui->impCliente->setIconSize(QSize(30, 30));
    }
    for (QComboBox* box : {ui->txtGiornoInizio, ui->txtMeseInizio, ui->txtGiornoFine, ui->txtMeseFine})
        box->setCurrentIndex(-1); // empties the text too
    ui->txtAnno->setText(common::today().toString(QStringLiteral("yyyy")));
    copyYear();
    ui->txtTipologia->setFocus(Qt::OtherFocusReason);
}

void TfrmMenuRiepSpese::FormClose() {
    if (QWidget* menu = common::sharedWindow(QStringLiteral("frmAvvio")))
        menu->show();
    hide();
}

bool TfrmMenuRiepSpese::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QWidget*>(watched);
    if (!field || !highlights_.contains(field))
        return common::Form::eventFilter(watched, event);
    auto* box = qobject_cast<QComboBox*>(field);
    const bool isDay = field == ui->txtGiornoInizio || field == ui->txtGiornoFine;
    const bool isMonth = field == ui->txtMeseInizio || field == ui->txtMeseFine;
    switch (event->type()) {
    case QEvent::FocusIn:
        highlights_.value(field)->show();
        if (box && common::isFieldFocusChange(event))
            common::resetSelection(box); // the drop-down opens with no item selected; the text stays
        break;
    case QEvent::FocusOut:
        highlights_.value(field)->hide();
        if (!common::isFieldFocusChange(event))
            break;
        if (isDay && !costs::dayItems().contains(common::Trim(box->currentText())))
            box->setEditText(QString());
        else if (isMonth && costs::monthNumber(box->currentText()) == 0)
            box->setEditText(QString());
        else if (field == ui->txtAnno)
            copyYear();
        break;
    case QEvent::KeyPress: {
        const auto& key = *static_cast<QKeyEvent*>(event);
        QWidget* next = nullptr;
        if (field == ui->txtAnno)
            next = ui->txtTipologia;
        else if (field == ui->txtTipologia)
            next = ui->txtCausale;
        else if (field == ui->txtCausale)
            next = ui->txtGiornoInizio;
        else if (field == ui->txtGiornoInizio)
            next = ui->txtMeseInizio;
        else if (field == ui->txtMeseInizio)
            next = ui->txtGiornoFine;
        else if (field == ui->txtGiornoFine)
            next = ui->txtMeseFine;
        else
            next = ui->btnVisualizza;
        costs::KeyAction action = costs::KeyAction::Pass;
        if (isDay || isMonth)
            action = costs::listKey(key);
        else if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)
            action = costs::KeyAction::Enter;
        else if (field == ui->txtAnno && !common::keyPasses(&key, common::isDigitChar))
            action = costs::KeyAction::Swallow;
        switch (action) {
        case costs::KeyAction::Pass:
            return false;
        case costs::KeyAction::Enter:
            next->setFocus(Qt::TabFocusReason);
            return true;
        case costs::KeyAction::Clear:
            box->setEditText(QString());
            return true;
        case costs::KeyAction::Swallow:
            return true;
        }
        break;
    }
    case QEvent::KeyRelease:
        if (field == ui->txtTipologia) {
            const QString kept = common::Trim(common::UpperAZ(ui->txtTipologia->text()));
            if (kept != ui->txtTipologia->text())
                ui->txtTipologia->setText(kept);
        } else if (field == ui->txtAnno) {
            copyYear();
        }
        break;
    default:
        break;
    }
    return common::Form::eventFilter(watched, event);
}

bool TfrmMenuRiepSpese::stop(QWidget* focus, const QString& text, bool plain) {
    if (plain)
        platform::showPlain(this, text);
    else
        platform::showKinded(this, platform::MsgKind::Warning, text);
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
    ui->lblAttendere->hide();
    return false;
}

void TfrmMenuRiepSpese::btnVisualizzaMouseDown() {
    ui->lblAttendere->show();
}

void TfrmMenuRiepSpese::btnVisualizzaClick() {
    ui->lblDataInizio->clear();
    ui->lblDataFine->clear();
    if (!common::AnnoValido(ui->txtAnno->text())) {
        stop(ui->txtAnno, QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."),
             false);
        return;
    }
    const std::pair<QComboBox*, const char*> needed[] = {
        {ui->txtGiornoInizio,
         "Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a "
         "cascata."},
        {ui->txtMeseInizio, "Attenzione: indicare il mese di inizio intervallo selezionandolo dall'elenco a "
                            "cascata."},
        {ui->txtGiornoFine, "Attenzione: indicare il giorno di fine intervallo selezionandolo dall'elenco a "
                            "cascata."},
        {ui->txtMeseFine, "Attenzione: indicare il mese di fine intervallo selezionandolo dall'elenco a "
                          "cascata."},
    };
    for (const auto& [box, text] : needed)
        if (common::Trim(box->currentText()).isEmpty()) {
            stop(box, QString::fromUtf8(text), false);
            return;
        }
    const QString needValid =
        QStringLiteral("Per poter visualizzare il riepilogo è necessario indicare una data "
                       "valida.");
    auto compose = [](QComboBox* day, QComboBox* month, QLabel* year) {
        const QString digits = monthDigits(month->currentText());
        if (digits.isEmpty())
            return QString();
        return common::Trim(day->currentText()) + QLatin1Char('/') + digits + QLatin1Char('/') +
               common::Trim(year->text());
    };
    ui->lblDataInizio->setText(compose(ui->txtGiornoInizio, ui->txtMeseInizio, ui->lblAnnoInizio));
    if (!common::DataValida(ui->lblDataInizio->text())) {
        stop(ui->txtGiornoInizio,
             QStringLiteral("Attenzione: la data ") + ui->lblDataInizio->text() +
                 QStringLiteral(" di inizio intervallo non esiste.") + kBreak + needValid,
             true);
        return;
    }
    ui->lblDataFine->setText(compose(ui->txtGiornoFine, ui->txtMeseFine, ui->lblAnnoFine));
    if (!common::DataValida(ui->lblDataFine->text())) {
        stop(ui->txtGiornoFine,
             QStringLiteral("Attenzione: la data ") + ui->lblDataFine->text() +
                 QStringLiteral(" di fine intervallo non esiste.") + kBreak + needValid,
             true);
        return;
    }
    if (common::LeggiData(ui->lblDataInizio->text()) > common::LeggiData(ui->lblDataFine->text())) {
        stop(nullptr,
             QStringLiteral("Attenzione: la data di fine intervallo (") + ui->lblDataFine->text() +
                 QStringLiteral(") non può essere anteriore a quella di inizio intervallo (") +
                 ui->lblDataInizio->text() + QStringLiteral(").") + kBreak +
                 QStringLiteral(
                     "Per poter visualizzare il riepilogo è necessario indicare un intervallo di tempo "
                     "valido."),
             true);
        return;
    }
    ui->lblFile->setText(costs::costFilePath(ui->txtAnno->text()));
    TfrmRiepSpese summary(this);
    if (!summary.fill()) {
        // Nothing partial is shown: an unreadable archive is not an empty period.
        stop(nullptr, QStringLiteral("Attenzione: il file di archivio non risulta accessibile."), true);
        return;
    }
    summary.exec();
    ui->lblAttendere->hide();
}

void TfrmMenuRiepSpese::btnEsciClick() {
    close();
}

void TfrmMenuRiepSpese::impClienteClick() {
    TfrmTrovaAutomezzi picker(this);
    picker.setCallerTag(QStringLiteral("riepspese"));
    picker.exec();
}
