// A chart of one series of labelled, coloured points, drawn as bars or as a pie, on the screen and on paper.
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QWidget>

class QChart;
class QChartView;
class QLabel;
class QPaintDevice;
class QAbstractSeries;
class QHBoxLayout;

namespace platform {

struct ChartPoint {
    double value = 0;
    QString label;
    QColor colour;
};

class Chart : public QWidget {
    Q_OBJECT
public:
    enum class SeriesType { Bar, Pie };

    explicit Chart(QWidget* parent = nullptr);
    ~Chart() override;

    void setTitle(const QString& text, const QFont& font, const QColor& colour);
    void setFooter(const QString& text, const QFont& font, const QColor& colour);
    void setLegendTitle(const QString& text);
    // The series' name, kept across changes of its type.
    void setSeriesName(const QString& name);
    QString seriesName() const { return seriesName_; }

    void clearSeries();
    void addPoint(double value, const QString& label, const QColor& colour);
    const QList<ChartPoint>& points() const { return points_; }

    // The new type takes over the points, their labels and colours, and the name; the same type changes
    // nothing.
    void setSeriesType(SeriesType type);
    SeriesType seriesType() const { return type_; }
    // The three-dimensional look, drawn as shading and depth as far as a flat chart can show it.
    void setView3D(bool on);
    bool view3D() const { return view3D_; }
    void setOrthogonal(bool on);
    bool orthogonal() const { return orthogonal_; }

    // Draws the whole chart (title, plot, legend, footer) into rect of painter.
    void render(QPainter& painter, const QRectF& rect);
    // One print job on device: the chart on the whole page.
    void print(QPaintDevice& device);

    // The drawn series, for the tests that look at it.
    QAbstractSeries* series() const { return series_; }

private:
    void rebuild();
    void rebuildLegend();
    QChart* chart_;
    QChartView* view_;
    QLabel* footer_;
    QWidget* legend_;
    QHBoxLayout* legendLayout_;
    QLabel* legendTitle_;
    QAbstractSeries* series_ = nullptr;
    QList<ChartPoint> points_;
    QString seriesName_;
    SeriesType type_ = SeriesType::Bar;
    bool view3D_ = false;
    bool orthogonal_ = false;
};

} // namespace platform
