#include "bookingprint/TfrmRiepPrenotazioni.h"

#include "bookingprint/BookingSummary.h"
#include "bookingprint/GradientFrame.h"
#include "common/CommandPictures.h"
#include "common/Look.h"
#include "common/Pictures.h"
#include "common/WindowRegistry.h"
#include "planner/TfrmPlanning.h"
#include "ui_TfrmRiepPrenotazioni.h"

#include <QPainter>

namespace {

constexpr int kItemWidth = 760;
const QColor kFrameBlue(0x9F, 0xBE, 0xD8);

// The last find text of every booking summary of the run: never reset.
QString& ultimaRicerca() {
    static QString text;
    return text;
}

TfrmPlanning* plannerWindow() {
    return common::sharedWindow<TfrmPlanning>(QStringLiteral("frmPlanning"));
}

} // namespace

TfrmRiepPrenotazioni::TfrmRiepPrenotazioni(QWidget* owner)
    : common::ListWindow(owner)
    , ui(std::make_unique<Ui::frmRiepPrenotazioni>()) {
    ui->setupUi(this);
    setFixedSize(size());
    setNoTitleButtons();
    setCentredOnScreen(true);
    common::setBackground(ui->icoIstruzioni01, Qt::white);
    QFont small = ui->icoIstruzioni01->font();
    small.setPointSizeF(8);
    ui->icoIstruzioni01->setFont(small);
    common::setBackground(ui->shpLente, Qt::white);
    ui->shpLente->setFrameShape(QFrame::Box);
    QPalette outline = ui->shpLente->palette();
    outline.setColor(QPalette::WindowText, kFrameBlue);
    ui->shpLente->setPalette(outline);
    ui->txtTrova->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
    for (QPushButton* button : {ui->btnTrova, ui->btnChiudi, ui->btnStampa}) {
        button->setFont(QFont(QStringLiteral("Verdana"), button->font().pointSize()));
        button->setCursor(Qt::PointingHandCursor);
    }
    bindList(ui->lstRecords, ui->btnStampa, ui->btnChiudi, ui->txtTrova, ui->btnTrova);
    setSorted(false);
    setItemWidth(kItemWidth);
    FormCreate();
}

TfrmRiepPrenotazioni::~TfrmRiepPrenotazioni() = default;

void TfrmRiepPrenotazioni::FormCreate() {
    ui->txtTrova->clear();
    QStringList lines;
    try {
        if (TfrmPlanning* source = plannerWindow())
            bookingprint::appendSummaryLines(lines, [source](int slot) { return source->dayText(slot); });
    } catch (const std::exception&) {
        // The lines built so far stay; the window shows all the same.
    }
    setLines(lines);
    ui->txtTrova->setFocus();
}

void TfrmRiepPrenotazioni::FormShow() {
    // Pictures are drawn when first seen, not at the program's start.
    if (ui->imgLogo->pixmap().isNull()) {
        ui->imgLogo->setPixmap(common::logoPicture(ui->imgLogo->size()));
        ui->imgLente->setPixmap(common::commandIcon(common::Command::Find, 40).pixmap(40, 40));
    }
    ui->txtTrova->setFocus();
}

QString* TfrmRiepPrenotazioni::UltimaRicerca() {
    return &ultimaRicerca();
}

QString TfrmRiepPrenotazioni::printTitle() const {
    const TfrmPlanning* source = plannerWindow();
    if (!source)
        return bookingprint::summaryTitle({}, {}, {});
    return bookingprint::summaryTitle(source->make(), source->model(), source->year());
}

void TfrmRiepPrenotazioni::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    bookingprint::paintSteelBlueShade(painter, rect());
    common::ListWindow::paintEvent(event);
}
