#include "costs/TfrmStatCosti.h"

#include "common/CardPrint.h"
#include "common/Clock.h"
#include "common/FieldFilter.h"
#include "common/Help.h"
#include "common/Look.h"
#include "common/Numbers.h"
#include "common/Pictures.h"
#include "common/Placement.h"
#include "common/StatusHints.h"
#include "common/Text.h"
#include "common/WindowRegistry.h"
#include "costs/CostStats.h"
#include "costs/SchedaCosto.h"
#include "platform/Chart.h"
#include "platform/Dialogs.h"
#include "platform/PrintJob.h"
#include "ui_TfrmStatCosti.h"

#include <QKeyEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <array>

using namespace costs::SchedaCosto;

namespace {

const QString kYearWarning = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");

} // namespace

TfrmStatCosti::TfrmStatCosti(QWidget* parent)
    : common::Form(parent)
    , ui(std::make_unique<Ui::frmStatCosti>()) {
    ui->setupUi(this);
    common::keepCentred(ui->panAvvio);
    common::keepCentred(ui->panContainer);
    setWindowState(Qt::WindowMaximized);
    common::setBackground(this, QColor(0x2E, 0x8B, 0x57));
    common::setBackground(ui->panAvvio, Qt::white);
    common::setBackground(ui->panContainer, Qt::white);
    common::setBackground(ui->bkgSezione01, QColor(0xE0, 0xE9, 0xF1));
    common::setBackground(ui->shpSezione01, QColor(0xE0, 0xE9, 0xF1));
    common::setBackground(ui->shpInfo, QColor(0xDC, 0xE4, 0xEE));
    common::markFocusRectangle(ui->effAnno);
    ui->txtAnno->setMaxLength(4);
    common::filterField(ui->txtAnno, common::isDigitChar);
    ui->txtAnno->installEventFilter(this);
    chart_ = new platform::Chart(ui->panChart);
    chart_->setObjectName(QStringLiteral("ChartStats"));
    auto* layout = new QVBoxLayout(ui->panChart);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(chart_);
    chart_->setTitle(QStringLiteral("Statistiche costi mensili"),
                     QFont(QStringLiteral("Verdana"), 20, QFont::Bold), QColor::fromRgba(0xFFD04498));
    chart_->setFooter(QStringLiteral("Tutti gli importi sono arrotondati all'euro"),
                      QFont(QStringLiteral("Verdana"), 11, QFont::Bold), QColor::fromRgba(0xFF7294F9));
    chart_->setLegendTitle(QStringLiteral("Costi sostenuti:"));
    chart_->setSeriesName(QStringLiteral("Series1"));
    chart_->setView3D(true);
    chart_->setOrthogonal(true);

    hints_ = new common::StatusHints(ui->panInfo, this);
    hints_->add(ui->btnBarre,
                QStringLiteral("Visualizza le statistiche dei costi sotto forma di grafico a barre "
                               "tridimensionali."));
    hints_->add(ui->btnTorta,
                QStringLiteral("Visualizza le statistiche dei costi sotto forma di grafico a torta "
                               "tridimensionale."));
    hints_->add(ui->btnStampa, QStringLiteral("Stampa il grafico corrente."));
    hints_->add(ui->btnEsci, QStringLiteral("Esci da questo ambiente di lavoro."));
    hints_->add(ui->cmdGuida, QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    hints_->addBackgroundTree(ui->panContainer);
    hints_->addBackground(this);

    connect(ui->btnApri, &QPushButton::clicked, this, &TfrmStatCosti::btnApriClick);
    connect(ui->btnBarre, &QPushButton::clicked, this, &TfrmStatCosti::btnBarreClick);
    connect(ui->btnTorta, &QPushButton::clicked, this, &TfrmStatCosti::btnTortaClick);
    connect(ui->btnStampa, &QPushButton::clicked, this, &TfrmStatCosti::btnStampaClick);
    connect(ui->btnEsci, &QPushButton::clicked, this, &TfrmStatCosti::imgEsciClick);
    connect(ui->imgEsci, &QToolButton::clicked, this, &TfrmStatCosti::imgEsciClick);
    connect(ui->imgGuida, &QToolButton::clicked, this, &TfrmStatCosti::imgGuidaClick);
    connect(ui->cmdGuida, &QToolButton::clicked, this, &TfrmStatCosti::imgGuidaClick);
}

TfrmStatCosti::~TfrmStatCosti() = default;

void TfrmStatCosti::makeChart() {
    // The chart's plot and the pictures are made when first needed, not at start.
    chart_->makePlot();
    hints_->addBackgroundTree(chart_);
    ui->imgGuida->setIcon(QIcon(common::iconPicture(common::Icon::Help, 40)));
    ui->imgGuida->setIconSize(QSize(40, 40));
    ui->imgEsci->setIcon(QIcon(common::iconPicture(common::Icon::Exit, 40)));
    ui->imgEsci->setIconSize(QSize(40, 40));
    ui->cmdGuida->setIcon(QIcon(common::iconPicture(common::Icon::Help, 36)));
    ui->cmdGuida->setIconSize(QSize(36, 36));
    ui->imgFattura->setPixmap(common::invoicePicture(ui->imgFattura->size()));
    chartMade_ = true;
}

void TfrmStatCosti::FormShow() {
    if (!chartMade_)
        makeChart();
    ui->txtAnno->setText(common::today().toString(QStringLiteral("yyyy")));
    ui->txtAnno->setFocus(Qt::OtherFocusReason);
    chart_->clearSeries();
    ui->panAvvio->show();
    ui->panContainer->hide();
}

void TfrmStatCosti::FormClose() {
    if (QWidget* menu = common::sharedWindow(QStringLiteral("frmAvvio")))
        menu->show();
    hide();
}

bool TfrmStatCosti::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->txtAnno) {
        switch (event->type()) {
        case QEvent::FocusIn:
            ui->effAnno->show();
            break;
        case QEvent::FocusOut:
            ui->effAnno->hide();
            break;
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                ui->btnApri->setFocus(Qt::TabFocusReason);
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

void TfrmStatCosti::btnApriClick() {
    const QString yearText = ui->txtAnno->text();
    if (!common::AnnoValido(yearText)) {
        platform::showKinded(this, platform::MsgKind::Warning, kYearWarning);
        ui->txtAnno->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString year = common::Trim(yearText);
    ui->lblFile->setText(costs::costFilePath(year));
    ui->lblTitolo->setText(QStringLiteral("Rappresentazione grafica dei costi sostenuti nell'anno ") + year +
                           QLatin1Char('.'));
    QLabel* const months[12] = {ui->memGennaio,   ui->memFebbraio, ui->memMarzo,    ui->memAprile,
                                ui->memMaggio,    ui->memGiugno,   ui->memLuglio,   ui->memAgosto,
                                ui->memSettembre, ui->memOttobre,  ui->memNovembre, ui->memDicembre};
    // The labels carry the totals; they are written once the scan ends, and on a failure with what the
    // totals had reached.
    std::array<double, 12> totals{};
    std::array<bool, 12> counted{};
    const auto writeTotals = [&] {
        for (int m = 0; m < 12; ++m)
            months[m]->setText(counted[m] ? common::FormatoGenerale(totals[m]) : QStringLiteral("0"));
    };
    try {
        common::ArchiveFile archive = costs::openCostArchive(ui->lblFile->text());
        archive.forEach([&](qint64, const common::Record& cost) {
            const int m = costs::statisticsMonth(cost.get(Data), year);
            if (m == 0)
                return;
            double amount = 0;
            if (!common::LeggiNumero(cost.get(Importo), amount))
                throw std::runtime_error("an amount that is not a number");
            totals[m - 1] += amount;
            counted[m - 1] = true;
        });
        archive.close();
    } catch (const std::exception&) {
        writeTotals();
        return; // silent: the year page stays
    }
    writeTotals();
    for (QLabel* month : months)
        month->setText(costs::roundedMonthTotal(month->text()));
    chart_->clearSeries();
    for (int m = 0; m < 12; ++m) {
        double value = 0;
        common::LeggiNumero(months[m]->text(), value);
        chart_->addPoint(value, costs::monthNames().at(m), costs::monthColour(m + 1));
    }
    ui->panAvvio->hide();
    ui->panContainer->show();
}

void TfrmStatCosti::btnBarreClick() {
    chart_->setSeriesType(platform::Chart::SeriesType::Bar);
    chart_->setView3D(true);
    chart_->setOrthogonal(true);
}

void TfrmStatCosti::btnTortaClick() {
    chart_->setSeriesType(platform::Chart::SeriesType::Bar);
    chart_->setView3D(true);
    chart_->setSeriesType(platform::Chart::SeriesType::Pie);
}

void TfrmStatCosti::btnStampaClick() {
    platform::PrintJob job;
    const std::optional<int> copies = common::askPrintCopies(
        this, QStringLiteral("Si vuole stampare il presente grafico statistico?"), job);
    if (!copies)
        return;
    platform::guardPrint(this, platform::kPrintFailed, [&] {
        QPaintDevice& device = job.open(QPageLayout::Landscape);
        for (int copy = 0; copy < *copies; ++copy)
            chart_->print(device);
    });
}

void TfrmStatCosti::imgGuidaClick() {
    common::showHelp(this, QStringLiteral("statcosti"));
}

void TfrmStatCosti::imgEsciClick() {
    close();
}
