#include "platform/Chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QRadialGradient>
#include <QVBoxLayout>

#include <QValueAxis>
#include <stdexcept>

namespace platform {

namespace {

QString valueText(double value) {
    return QString::number(value, 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
}

// Shading that gives a flat shape some depth.
QBrush shaded(const QColor& colour, bool depth, bool pie) {
    if (!depth)
        return QBrush(colour);
    if (pie) {
        QRadialGradient g(0.35, 0.3, 0.9);
        g.setCoordinateMode(QGradient::ObjectBoundingMode);
        g.setColorAt(0, colour.lighter(130));
        g.setColorAt(1, colour.darker(130));
        return QBrush(g);
    }
    QLinearGradient g(0, 0, 1, 0);
    g.setCoordinateMode(QGradient::ObjectBoundingMode);
    g.setColorAt(0, colour.lighter(120));
    g.setColorAt(0.6, colour);
    g.setColorAt(1, colour.darker(150));
    return QBrush(g);
}

} // namespace

Chart::Chart(QWidget* parent)
    : QWidget(parent)
    , chart_(new QChart)
    , view_(new QChartView(chart_, this))
    , footer_(new QLabel(this))
    , legend_(new QWidget(this))
    , legendLayout_(new QHBoxLayout(legend_))
    , legendTitle_(new QLabel(legend_)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(view_, 1);
    layout->addWidget(legend_);
    layout->addWidget(footer_);
    footer_->setAlignment(Qt::AlignCenter);
    legendLayout_->setContentsMargins(8, 2, 8, 2);
    legendLayout_->addStretch(1);
    legendLayout_->addWidget(legendTitle_);
    legendLayout_->addStretch(1);
    QFont legendFont = legendTitle_->font();
    legendFont.setBold(true);
    legendTitle_->setFont(legendFont);
    chart_->legend()->hide(); // the legend below carries a title, which the chart's own cannot
    chart_->setAnimationOptions(QChart::NoAnimation);
    view_->setRenderHint(QPainter::Antialiasing);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    rebuild();
}

Chart::~Chart() = default;

void Chart::setTitle(const QString& text, const QFont& font, const QColor& colour) {
    chart_->setTitle(text);
    chart_->setTitleFont(font);
    chart_->setTitleBrush(colour);
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
    seriesName_ = name;
    if (series_)
        series_->setName(name);
}

void Chart::clearSeries() {
    points_.clear();
    rebuild();
}

void Chart::addPoint(double value, const QString& label, const QColor& colour) {
    points_.append({value, label, colour});
    rebuild();
}

void Chart::setSeriesType(SeriesType type) {
    if (type == type_)
        return;
    type_ = type;
    rebuild();
}

void Chart::setView3D(bool on) {
    if (on == view3D_)
        return;
    view3D_ = on;
    rebuild();
}

void Chart::setOrthogonal(bool on) {
    if (on == orthogonal_)
        return;
    orthogonal_ = on;
    rebuild();
}

void Chart::rebuild() {
    chart_->removeAllSeries();
    const QList<QAbstractAxis*> axes = chart_->axes();
    for (QAbstractAxis* axis : axes) {
        chart_->removeAxis(axis);
        delete axis; // removing gives it back to us
    }
    if (type_ == SeriesType::Bar) {
        // One set per point, so that every bar has its own colour.
        auto* bars = new QBarSeries;
        bars->setBarWidth(0.9);
        double top = 0;
        for (const ChartPoint& point : points_) {
            auto* set = new QBarSet(point.label);
            set->append(point.value);
            set->setBrush(shaded(point.colour, view3D_, false));
            set->setPen(QPen(view3D_ && !orthogonal_ ? point.colour.darker(170) : QColor(Qt::black), 1));
            set->setLabelColor(Qt::black);
            bars->append(set);
            top = std::max(top, point.value);
        }
        bars->setLabelsVisible(true);
        bars->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
        bars->setLabelsFormat(QStringLiteral("@value"));
        series_ = bars;
        chart_->addSeries(bars);
        // The bars stand side by side in one group; the legend names them.
        auto* categories = new QBarCategoryAxis;
        categories->append(QStringLiteral(" "));
        categories->setLabelsVisible(false);
        auto* values = new QValueAxis;
        values->setRange(0, top > 0 ? top * 1.08 : 1);
        values->applyNiceNumbers(); // round steps, room above the highest bar for its mark
        values->setLabelFormat(QStringLiteral("%.0f"));
        chart_->addAxis(categories, Qt::AlignBottom);
        chart_->addAxis(values, Qt::AlignLeft);
        bars->attachAxis(categories);
        bars->attachAxis(values);
    } else {
        auto* pie = new QPieSeries;
        for (const ChartPoint& point : points_) {
            auto* slice = pie->append(point.label, point.value);
            slice->setBrush(shaded(point.colour, view3D_, true));
            slice->setPen(QPen(Qt::black, 1));
            slice->setLabel(valueText(point.value));
            slice->setLabelVisible(point.value > 0);
        }
        pie->setPieSize(0.75);
        series_ = pie;
        chart_->addSeries(pie);
    }
    series_->setName(seriesName_);
    series_->setObjectName(seriesName_);
    rebuildLegend();
}

void Chart::rebuildLegend() {
    // Title, then a swatch and a label per point.
    while (legendLayout_->count() > 3) {
        QLayoutItem* item = legendLayout_->takeAt(2);
        delete item->widget();
        delete item;
    }
    int at = 2;
    for (const ChartPoint& point : points_) {
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
        throw std::runtime_error("cannot start printing");
    const QRectF page(QPointF(0, 0), QSizeF(device.width(), device.height()));
    render(painter, page);
    if (!painter.end())
        throw std::runtime_error("cannot finish printing");
}

} // namespace platform
