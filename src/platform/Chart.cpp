#include "platform/Chart.h"

#include "platform/ChartModule.h"
#include "platform/PrintJob.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLibrary>
#include <QPainter>
#include <QVBoxLayout>

#include <map>
#include <optional>

namespace platform {

struct chartmodule::Entries {
    chartmodule::Create create;
    chartmodule::SetTitle setTitle;
    chartmodule::Draw draw;
};

namespace {

using Module = chartmodule::Entries;

QString& moduleFileOverride() {
    static QString path;
    return path;
}

// The chart module, loaded once per file and kept; none when it is missing or lacks an entry.
const Module* chartModule() {
    static std::map<QString, std::optional<Module>> loaded;
    QString path = moduleFileOverride();
    if (path.isEmpty())
        path = QCoreApplication::applicationDirPath() + QStringLiteral("/veicolario_chart");
    auto found = loaded.find(path);
    if (found == loaded.end()) {
        std::optional<Module> module;
        QLibrary library(path);
        if (library.load()) {
            const Module m{
                reinterpret_cast<chartmodule::Create>(library.resolve(chartmodule::kCreate)),
                reinterpret_cast<chartmodule::SetTitle>(library.resolve(chartmodule::kSetTitle)),
                reinterpret_cast<chartmodule::Draw>(library.resolve(chartmodule::kDraw)),
            };
            if (m.create && m.setTitle && m.draw)
                module = m;
        }
        found = loaded.emplace(path, module).first;
    }
    return found->second ? &*found->second : nullptr;
}

} // namespace

Chart::Chart(QWidget* parent)
    : QWidget(parent)
    , content_(std::make_unique<chartmodule::Content>())
    , layout_(new QVBoxLayout(this))
    , footer_(new QLabel(this))
    , legend_(new QWidget(this))
    , legendLayout_(new QHBoxLayout(legend_))
    , legendTitle_(new QLabel(legend_)) {
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(2);
    layout_->addWidget(legend_);
    layout_->addWidget(footer_);
    footer_->setAlignment(Qt::AlignCenter);
    legendLayout_->setContentsMargins(8, 2, 8, 2);
    legendLayout_->addStretch(1);
    legendLayout_->addWidget(legendTitle_);
    legendLayout_->addStretch(1);
    QFont legendFont = legendTitle_->font();
    legendFont.setBold(true);
    legendTitle_->setFont(legendFont);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

Chart::~Chart() = default;

void Chart::setModuleFileForTests(const QString& path) {
    moduleFileOverride() = path;
}

void Chart::makePlot() {
    if (plot_)
        return;
    module_ = chartModule();
    if (module_) {
        plot_ = module_->create(this);
        module_->setTitle(plot_, content_.get());
        series_ = module_->draw(plot_, content_.get());
    } else {
        auto* notice = new QLabel(QStringLiteral("Il grafico non può essere disegnato: manca il modulo dei "
                                                 "grafici (veicolario_chart) nella cartella del programma."),
                                  this);
        notice->setAlignment(Qt::AlignCenter);
        notice->setWordWrap(true);
        plot_ = notice;
    }
    layout_->insertWidget(0, plot_, 1);
    plot_->show();
}

void Chart::showEvent(QShowEvent* event) {
    makePlot();
    QWidget::showEvent(event);
}

void Chart::redraw() {
    if (module_)
        series_ = module_->draw(plot_, content_.get()); // the old series goes with the redrawing
}

void Chart::setTitle(const QString& text, const QFont& font, const QColor& colour) {
    content_->title = text;
    content_->titleFont = font;
    content_->titleColour = colour;
    if (module_)
        module_->setTitle(plot_, content_.get());
}

void Chart::setFooter(const QString& text, const QFont& font, const QColor& colour) {
    footer_->setText(text);
    footer_->setFont(font);
    QPalette p = footer_->palette();
    p.setColor(QPalette::WindowText, colour);
    footer_->setPalette(p);
}

void Chart::setLegendTitle(const QString& text) {
    legendTitle_->setText(text);
}

void Chart::setSeriesName(const QString& name) {
    content_->seriesName = name;
    redraw();
}

QString Chart::seriesName() const {
    return content_->seriesName;
}

void Chart::clearSeries() {
    content_->points.clear();
    redraw();
    rebuildLegend();
}

void Chart::addPoint(double value, const QString& label, const QColor& colour) {
    content_->points.append({value, label, colour});
    redraw();
    rebuildLegend();
}

const QList<ChartPoint>& Chart::points() const {
    return content_->points;
}

void Chart::setSeriesType(SeriesType type) {
    if (type == seriesType())
        return;
    content_->pie = type == SeriesType::Pie;
    redraw();
}

Chart::SeriesType Chart::seriesType() const {
    return content_->pie ? SeriesType::Pie : SeriesType::Bar;
}

void Chart::setView3D(bool on) {
    if (on == content_->view3D)
        return;
    content_->view3D = on;
    redraw();
}

bool Chart::view3D() const {
    return content_->view3D;
}

void Chart::setOrthogonal(bool on) {
    if (on == content_->orthogonal)
        return;
    content_->orthogonal = on;
    redraw();
}

bool Chart::orthogonal() const {
    return content_->orthogonal;
}

void Chart::rebuildLegend() {
    // Title, then a swatch and a label per point.
    while (legendLayout_->count() > 3) {
        QLayoutItem* item = legendLayout_->takeAt(2);
        delete item->widget();
        delete item;
    }
    int at = 2;
    for (const ChartPoint& point : content_->points) {
        auto* swatch = new QLabel(legend_);
        swatch->setFixedSize(12, 12);
        swatch->setAutoFillBackground(true);
        QPalette p = swatch->palette();
        p.setColor(QPalette::Window, point.colour);
        swatch->setPalette(p);
        swatch->setFrameShape(QFrame::Box);
        auto* name = new QLabel(point.label, legend_);
        legendLayout_->insertWidget(at++, swatch);
        legendLayout_->insertWidget(at++, name);
    }
}

void Chart::render(QPainter& painter, const QRectF& rect) {
    makePlot();
    // The widget at a size that fits the page's proportions, scaled onto it.
    const QSize size(1200, int(1200 * rect.height() / std::max(1.0, rect.width())));
    const QSize old = this->size();
    const bool hidden = isHidden();
    resize(size);
    if (auto* l = layout())
        l->activate();
    painter.save();
    painter.translate(rect.topLeft());
    painter.scale(rect.width() / size.width(), rect.height() / size.height());
    QWidget::render(&painter, QPoint(), QRegion(), QWidget::DrawChildren | QWidget::DrawWindowBackground);
    painter.restore();
    resize(old);
    if (hidden)
        hide();
}

void Chart::print(QPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device))
        throw PrintFailure(kPrintFailed);
    const QRectF page(QPointF(0, 0), QSizeF(device.width(), device.height()));
    render(painter, page);
    if (!painter.end())
        throw PrintFailure(kPrintFailed);
}

} // namespace platform
