// The chart's plot on Qt Charts, loaded by platform::Chart when a chart is first shown or drawn: Qt Charts
// and the OpenGL libraries under it then cost nothing at start.
#include "platform/ChartModule.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLinearGradient>
#include <QPieSeries>
#include <QPieSlice>
#include <QRadialGradient>
#include <QValueAxis>

#include <algorithm>

using platform::ChartPoint;
using platform::chartmodule::Content;

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

QAbstractSeries* barSeries(QChart* chart, const Content& content) {
    // One set per point, so that every bar has its own colour.
    auto* bars = new QBarSeries;
    bars->setBarWidth(0.9);
    double top = 0;
    for (const ChartPoint& point : content.points) {
        auto* set = new QBarSet(point.label);
        set->append(point.value);
        set->setBrush(shaded(point.colour, content.view3D, false));
        set->setPen(
            QPen(content.view3D && !content.orthogonal ? point.colour.darker(170) : QColor(Qt::black), 1));
        set->setLabelColor(Qt::black);
        bars->append(set);
        top = std::max(top, point.value);
    }
    bars->setLabelsVisible(true);
    bars->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    bars->setLabelsFormat(QStringLiteral("@value"));
    chart->addSeries(bars);
    // The bars stand side by side in one group; the legend names them.
    auto* categories = new QBarCategoryAxis;
    categories->append(QStringLiteral(" "));
    categories->setLabelsVisible(false);
    auto* values = new QValueAxis;
    values->setRange(0, top > 0 ? top * 1.08 : 1);
    values->applyNiceNumbers(); // round steps, room above the highest bar for its mark
    values->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(categories, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    bars->attachAxis(categories);
    bars->attachAxis(values);
    return bars;
}

QAbstractSeries* pieSeries(QChart* chart, const Content& content) {
    auto* pie = new QPieSeries;
    for (const ChartPoint& point : content.points) {
        auto* slice = pie->append(point.label, point.value);
        slice->setBrush(shaded(point.colour, content.view3D, true));
        slice->setPen(QPen(Qt::black, 1));
        slice->setLabel(valueText(point.value));
        slice->setLabelVisible(point.value > 0);
    }
    pie->setPieSize(0.75);
    chart->addSeries(pie);
    return pie;
}

} // namespace

extern "C" {

Q_DECL_EXPORT QWidget* veicolarioChartCreate(QWidget* parent) {
    auto* chart = new QChart;
    chart->legend()->hide(); // the chart's legend below carries a title, which this one cannot
    chart->setAnimationOptions(QChart::NoAnimation);
    auto* view = new QChartView(chart, parent); // the view owns the chart
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

Q_DECL_EXPORT void veicolarioChartSetTitle(QWidget* plot, const Content* content) {
    QChart* chart = static_cast<QChartView*>(plot)->chart();
    chart->setTitle(content->title);
    chart->setTitleFont(content->titleFont);
    chart->setTitleBrush(content->titleColour);
}

Q_DECL_EXPORT QObject* veicolarioChartDraw(QWidget* plot, const Content* content) {
    QChart* chart = static_cast<QChartView*>(plot)->chart();
    chart->removeAllSeries();
    const QList<QAbstractAxis*> axes = chart->axes();
    for (QAbstractAxis* axis : axes) {
        chart->removeAxis(axis);
        delete axis; // removing gives it back to us
    }
    QAbstractSeries* series = content->pie ? pieSeries(chart, *content) : barSeries(chart, *content);
    series->setName(content->seriesName);
    series->setObjectName(content->seriesName);
    return series;
}

} // extern "C"
