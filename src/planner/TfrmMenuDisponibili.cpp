#include "planner/TfrmMenuDisponibili.h"

#include "common/Clock.h"
#include "common/Failure.h"
#include "common/Help.h"
#include "common/ListWindow.h"
#include "common/Numbers.h"
#include "common/Placement.h"
#include "common/Text.h"
#include "common/WindowRegistry.h"
#include "fleet/SchedaVeicolo.h"
#include "planner/Picture.h"
#include "planner/PlannerPictures.h"
#include "planner/TfrmPlanning.h"
#include "planner/VehicleChoice.h"
#include "platform/Dialogs.h"
#include "platform/ProgramFolder.h"
#include "ui_TfrmMenuDisponibili.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStringListModel>

namespace {

using common::Trim;

const QColor kTitleBlue = QColor::fromRgb(0xFF2853A2);
const QColor kPaleBand = QColor::fromRgb(0xFFDEEAF3);

constexpr int kLineWidth = 910;

const QString kYearWarning = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");
const QString kEmptyListWarning =
    QString::fromUtf8("Attenzione: l'elenco dei veicoli non contiene nessuna voce.\n\r\n\rPer poter "
                      "utilizzare il planner delle "
                      "prenotazioni è necessario registrare almeno un veicolo nel parco automezzi.");
const QString kNoChoiceWarning =
    QStringLiteral("Attenzione: selezionare un veicolo dall'elenco prima di premere il pulsante Apri.");
const QString kPlateWarning = QString::fromUtf8(
    "Attenzione: la targa del veicolo contiene caratteri che non possono comparire nel nome di un file "
    "(/ \\ : * ? \" < > |).\n\r\n\rPer poter utilizzare il planner delle prenotazioni è necessario "
    "correggere "
    "la targa nella scheda del veicolo.");

} // namespace

namespace planner {

// Every line as wide as the list's line width, or as the longest line when that is wider, so a long line
// is scrolled to sideways, never cut short.
class VehicleLineModel : public QStringListModel {
public:
    VehicleLineModel(QObject* parent, int lineHeight)
        : QStringListModel(parent)
        , lineHeight_(lineHeight) {}
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::SizeHintRole)
            return QSize(lineWidth_, lineHeight_);
        return QStringListModel::data(index, role);
    }
    void setLines(const QStringList& lines, const QFontMetrics& metrics) {
        // The list's font is fixed-pitch: the line of most characters is the widest.
        const QString* longest = nullptr;
        for (const QString& line : lines)
            if (!longest || line.size() > longest->size())
                longest = &line;
        lineWidth_ =
            std::max(kLineWidth, longest ? metrics.horizontalAdvance(*longest) + 2 * kLineMargin : 0);
        setStringList(lines);
    }

private:
    static constexpr int kLineMargin = 4;
    int lineHeight_;
    int lineWidth_ = kLineWidth;
};

} // namespace planner

TfrmMenuDisponibili::TfrmMenuDisponibili(QWidget* parent)
    : common::Form(parent)
    , ui(std::make_unique<Ui::frmMenuDisponibili>()) {
    ui->setupUi(this);
    setWindowState(Qt::WindowMaximized);
    common::keepCentred(ui->panContainer);

    ui->bkgCorpo->setGradient(QColor(0x46, 0x82, 0xB4), Qt::white);
    ui->bkgTitolo->setFill(kTitleBlue, kTitleBlue);
    ui->bkgTitoloInterno->setFill(Qt::white, Qt::white);
    ui->bkgAnno->setFill(kPaleBand, kPaleBand);
    ui->bkgElenco->setFill(kPaleBand, kPaleBand);
    ui->bkgComandi->setFill(Qt::white, Qt::white);
    QPalette yellow = ui->lblInformazioni->palette();
    yellow.setColor(QPalette::WindowText, Qt::yellow);
    ui->lblInformazioni->setPalette(yellow);

    ui->icoTitolo->setMaker(&planner::entryTitlePicture);
    ui->icoInfo->setMaker(&planner::infoPicture);
    ui->icoChiave->setMaker(&planner::keyPicture);
    ui->icoMano->setMaker(&planner::handPicture);
    ui->imgGuida->setMaker(
        [](const QSize& size) { return planner::entryCommandPicture(QStringLiteral("Guida"), false, size); });
    ui->imgEsci->setMaker(
        [](const QSize& size) { return planner::entryCommandPicture(QStringLiteral("Esci"), true, size); });
    ui->imgGuida->setCommand();
    ui->imgEsci->setCommand();

    ui->txtAnnoFatture->setMaxLength(4);
    ui->txtAnnoFatture->installEventFilter(this);

    QListView* list = ui->lstRecords;
    list->setFont(QFont(QStringLiteral("Courier New"), 12));
    lines_ = new planner::VehicleLineModel(this, QFontMetrics(list->font()).height() + 2);
    list->setModel(lines_);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    list->setTextElideMode(Qt::ElideNone);
    list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette black = list->palette();
    black.setColor(QPalette::Text, Qt::black);
    list->setPalette(black);
    // A click on a line and a change of the selected line by the keyboard both select it.
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TfrmMenuDisponibili::lstRecordsClick);

    connect(ui->btnApriFatture, &QPushButton::clicked, this, &TfrmMenuDisponibili::btnApriFattureClick);
    connect(ui->imgGuida, &QAbstractButton::clicked, this, &TfrmMenuDisponibili::imgGuidaClick);
    connect(ui->imgEsci, &QAbstractButton::clicked, this, &TfrmMenuDisponibili::imgEsciClick);
}

TfrmMenuDisponibili::~TfrmMenuDisponibili() = default;

planner::PlannerHeader TfrmMenuDisponibili::chosenVehicle() const {
    return {ui->lblVeicolo->text(), ui->lblMarca->text(), ui->lblModello->text(), ui->lblTarga->text()};
}

QString TfrmMenuDisponibili::plannerFile() const {
    return ui->lblFile->text();
}

void TfrmMenuDisponibili::paintEvent(QPaintEvent*) {
    QPainter p(this);
    planner::paintShade(p, rect(), kTitleBlue, Qt::white);
}

void TfrmMenuDisponibili::FormShow() {
    for (QLabel* label : {ui->lblVeicolo, ui->lblMarca, ui->lblModello, ui->lblTarga})
        label->clear();
    ui->icoMano->hide();
    QStringList lines;
    try {
        common::ArchiveFile archive = fleet::openVehicleArchive();
        lines_->setStringList({});
        try {
            planner::collectVehicleLines(archive, lines);
        } catch (const common::Failure&) {
            // The lines read so far are shown.
            common::sortLines(lines);
            lines_->setLines(lines, ui->lstRecords->fontMetrics());
            throw;
        }
        archive.close();
    } catch (const common::Failure&) {
        // No vehicle can be chosen now, so closing returns to the start menu: a planner opened from here
        // would show no vehicle and store its empty header over the last planner's.
        ui->lblMemory->setText(QStringLiteral("avvio"));
        return;
    }
    common::sortLines(lines);
    lines_->setLines(lines, ui->lstRecords->fontMetrics());
    ui->txtAnnoFatture->setText(common::today().toString(QStringLiteral("yyyy")));
    ui->lblMemory->setText(QStringLiteral("avvio"));
    ui->txtAnnoFatture->setFocus();
}

QString TfrmMenuDisponibili::selectedLine() const {
    const QModelIndexList selected = ui->lstRecords->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return QString();
    return selected.first().data().toString();
}

void TfrmMenuDisponibili::lstRecordsClick() {
    if (!ui->lstRecords->selectionModel()->hasSelection())
        return;
    const QString chosen = selectedLine();
    try {
        common::ArchiveFile archive = fleet::openVehicleArchive();
        planner::PlannerHeader found;
        const bool any = planner::findVehicle(archive, chosen, found);
        archive.close();
        if (!any)
            return;
        ui->lblVeicolo->setText(found.veicolo);
        ui->lblMarca->setText(found.marca);
        ui->lblModello->setText(found.modello);
        ui->lblTarga->setText(found.targa);
        ui->icoMano->show();
    } catch (const common::Failure&) {
    }
}

void TfrmMenuDisponibili::btnApriFattureClick() {
    const QString year = ui->txtAnnoFatture->text();
    if (!common::AnnoValido(year)) {
        platform::showKinded(this, platform::MsgKind::Warning, kYearWarning);
        ui->txtAnnoFatture->setFocus();
        return;
    }
    if (lines_->rowCount() == 0) {
        platform::showKinded(this, platform::MsgKind::Warning, kEmptyListWarning);
        return;
    }
    const QString plate = Trim(ui->lblTarga->text());
    if (!ui->lstRecords->selectionModel()->hasSelection() || plate.isEmpty()) {
        platform::showKinded(this, platform::MsgKind::Warning, kNoChoiceWarning);
        return;
    }
    if (!planner::plateFitsFileName(plate)) {
        platform::showKinded(this, platform::MsgKind::Warning, kPlateWarning);
        return;
    }
    ui->lblFile->setText(platform::programFolder() + planner::plannerFileName(plate, Trim(year)));
    if (auto* planning = common::sharedWindow<TfrmPlanning>(QStringLiteral("frmPlanning")))
        planning->setYearAndVehicle(Trim(year), chosenVehicle());
    ui->lblMemory->setText(QStringLiteral("planning"));
    close();
}

bool TfrmMenuDisponibili::txtAnnoFattureKeyDown(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ui->btnApriFatture->setFocus();
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9') &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    return true;
}

bool TfrmMenuDisponibili::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->txtAnnoFatture && event->type() == QEvent::KeyPress)
        return txtAnnoFattureKeyDown(static_cast<QKeyEvent*>(event));
    return common::Form::eventFilter(watched, event);
}

void TfrmMenuDisponibili::imgEsciClick() {
    close();
}

void TfrmMenuDisponibili::imgGuidaClick() {
    common::showHelp(this, QStringLiteral("planner"));
}

void TfrmMenuDisponibili::FormClose() {
    const QString tag = Trim(ui->lblMemory->text());
    QWidget* next = nullptr;
    if (tag == QLatin1String("planning"))
        next = common::sharedWindow(QStringLiteral("frmPlanning"));
    else if (tag == QLatin1String("avvio"))
        next = common::sharedWindow(QStringLiteral("frmAvvio"));
    if (next)
        next->show();
    hide();
}
