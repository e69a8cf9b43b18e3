// The chart's plot on Qt Charts, loaded by platform::Chart when a chart is first shown or drawn: Qt Charts
// and the OpenGL libraries under it then cost nothing at start.
#include "platform/ChartModule.h"

#include <QApplication>
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
#include <cmath>

using platform::ChartPoint;
using platform::chartmodule::Content;

namespace {

// Marks show their values as Italian numbers in full: whole euros with the thousands grouped, never in
// exponent form ("1.234.567", "2,5").
const QLocale& markLocale() {
    static const QLocale locale(QLocale::Italian, QLocale::Italy);
    return locale;
}
constexpr int kMarkDigits = 15;

QString valueText(double value) {
    return markLocale().toString(value, 'g', kMarkDigits);
}

// A mark of the pie beside it: its box, and the arm from the slice's rim to the box.
struct PieMark {
    QString text;
    QRectF box;
    QPolygonF arm;
};

// The tops of boxes stacked in order, each spacing below the one before and all inside [top, bottom], as
// near the wanted tops as that allows (least squares): the wanted tops less each box's offset in the stack
// are made non-decreasing by pooling neighbours, then kept inside the room.
QList<double> stackedTops(const QList<double>& wanted, const QList<double>& heights, double spacing,
                          double top, double bottom) {
    const qsizetype n = wanted.size();
    QList<double> offsets(n);
    double total = 0;
    for (qsizetype i = 0; i < n; ++i) {
        offsets[i] = total;
        total += heights.at(i) + spacing;
    }
    total -= spacing;
    struct Pool {
        double sum;
        qsizetype count;
        double mean() const { return sum / double(count); }
    };
    QList<Pool> pools;
    for (qsizetype i = 0; i < n; ++i) {
        pools.append({wanted.at(i) - offsets.at(i), 1});
        while (pools.size() > 1 && pools.at(pools.size() - 2).mean() > pools.last().mean()) {
            const Pool last = pools.takeLast();
            pools.last().sum += last.sum;
            pools.last().count += last.count;
        }
    }
    // Too many marks for the room: they start at its top and run past its bottom.
    const double lowest = std::max(top, bottom - total);
    QList<double> tops;
    for (const Pool& pool : pools)
        for (qsizetype k = 0; k < pool.count; ++k)
            tops << std::clamp(pool.mean(), top, lowest) + offsets.at(tops.size());
    return tops;
}

// Places the marks of the slices in two columns, right and left of the pie, each as near the height of its
// slice as the others leave room for, in the order of the slices. An arm goes out from the middle of its
// slice's rim, then level to the side of the pie, then across to its mark: outside the pie but for its
// start, and never across another arm, since the arms of a side keep the same order at every stage.
// angles: the middle of each slice, in degrees clockwise from twelve o'clock.
QList<PieMark> placePieMarks(const QPointF& centre, double radius, const QList<double>& angles,
                             const QStringList& texts, const QFontMetricsF& metrics, const QRectF& bounds) {
    const double arm = radius * 0.1;
    const double reach = radius + arm;
    const double lane = std::max(arm, metrics.height() * 2);
    const double spacing = metrics.height() * 0.15;
    QList<PieMark> marks;
    QList<QPointF> rims, elbows;
    for (qsizetype i = 0; i < angles.size(); ++i) {
        const double a = qDegreesToRadians(angles.at(i));
        const QPointF direction(std::sin(a), -std::cos(a));
        rims << centre + direction * radius;
        elbows << centre + direction * reach;
        const QSizeF size(metrics.horizontalAdvance(texts.at(i)) + 2, metrics.height());
        marks.append({texts.at(i), QRectF(QPointF(0, 0), size), {}});
    }
    for (const bool right : {true, false}) {
        // The side's marks from top to bottom: down the right side clockwise, up the left side.
        QList<qsizetype> side;
        for (qsizetype i = 0; i < marks.size(); ++i)
            if ((angles.at(i) <= 180) == right)
                side << i;
        std::stable_sort(side.begin(), side.end(), [&](qsizetype a, qsizetype b) {
            return right ? angles.at(a) < angles.at(b) : angles.at(a) > angles.at(b);
        });
        QList<double> wanted, heights;
        for (qsizetype i : side) {
            wanted << elbows.at(i).y() - marks.at(i).box.height() / 2;
            heights << marks.at(i).box.height();
        }
        const QList<double> tops = stackedTops(wanted, heights, spacing, bounds.top(), bounds.bottom());
        const double shoulder = right ? centre.x() + reach : centre.x() - reach;
        const double column = right ? shoulder + lane : shoulder - lane;
        for (qsizetype k = 0; k < side.size(); ++k) {
            const qsizetype i = side.at(k);
            QRectF& box = marks[i].box;
            box.moveTop(tops.at(k));
            if (right)
                box.moveLeft(std::min(column + 1, bounds.right() - box.width()));
            else
                box.moveRight(std::max(column - 1, bounds.left() + box.width()));
            const QPointF end(right ? box.left() - 1 : box.right() + 1, box.center().y());
            marks[i].arm = QPolygonF()
                           << rims.at(i) << elbows.at(i) << QPointF(shoulder, elbows.at(i).y()) << end;
        }
    }
    return marks;
}

// The chart's view, which draws the pie's marks over it.
class PlotView : public QChartView {
public:
    explicit PlotView(QChart* chart, QWidget* parent)
        : QChartView(chart, parent) {
        // The marks cross what the series redraws: the whole view is drawn anew each time.
        setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    }

protected:
    void drawForeground(QPainter* painter, const QRectF& rect) override {
        QChartView::drawForeground(painter, rect);
        QStringList texts;
        QVariantList boxes;
        QVariantList arms;
        const QList<QAbstractSeries*> all = chart()->series();
        auto* pie = all.isEmpty() ? nullptr : qobject_cast<QPieSeries*>(all.first());
        if (pie) {
            // Where Qt Charts draws the pie: centred in the plot area, its size a share of the smaller side.
            const QRectF area = chart()->mapRectToScene(chart()->plotArea());
            const QPointF centre(area.left() + area.width() * pie->horizontalPosition(),
                                 area.top() + area.height() * pie->verticalPosition());
            const double radius = std::min(area.width(), area.height()) / 2 * pie->pieSize();
            QList<double> angles;
            QStringList shown;
            for (const QPieSlice* slice : pie->slices())
                if (slice->value() > 0) {
                    angles << slice->startAngle() + slice->angleSpan() / 2;
                    shown << slice->label();
                }
            const QFont font =
                pie->slices().isEmpty() ? QApplication::font() : pie->slices().first()->labelFont();
            const QRectF bounds = chart()->mapRectToScene(chart()->rect()).adjusted(4, 0, -4, -4);
            const QList<PieMark> marks = placePieMarks(
                centre, radius, angles, shown, QFontMetricsF(font),
                QRectF(bounds.left(), area.top(), bounds.width(), bounds.bottom() - area.top()));
            painter->save();
            painter->setRenderHint(QPainter::Antialiasing);
            painter->setFont(font);
            for (const PieMark& mark : marks) {
                painter->setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
                painter->drawPolyline(mark.arm);
                painter->setPen(Qt::black);
                painter->drawText(mark.box, Qt::AlignCenter, mark.text);
                texts << mark.text;
                boxes << mark.box;
                arms << mark.arm;
            }
            painter->restore();
        }
        // For the tests: the marks drawn last.
        setProperty("pieMarks", texts);
        setProperty("pieMarkBoxes", boxes);
        setProperty("pieMarkArms", arms);
    }
};

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
    bars->setLabelsPrecision(kMarkDigits); // in the chart's locale, as valueText writes them
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
        // The view draws the marks itself, where they do not cover one another.
        slice->setLabel(valueText(point.value));
        slice->setLabelVisible(false);
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
    chart->setLocale(markLocale());
    chart->setLocalizeNumbers(true);
    auto* view = new PlotView(chart, parent); // the view owns the chart
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
