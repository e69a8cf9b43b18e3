// A chart of one series of labelled, coloured points, drawn as bars or as a pie, on the screen and on paper.
// The widget, its legend and its footer are made at once; the plot comes from the chart module beside the
// program, loaded when a chart is first shown or drawn, and takes over what was set before.
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QWidget>

#include <memory>

class QLabel;
class QPaintDevice;
class QHBoxLayout;
class QVBoxLayout;

namespace platform {

namespace chartmodule {
struct Content;
struct Entries;
} // namespace chartmodule

struct ChartPoint {
    double value = 0;
    QString label;
    QColor colour;
};

class Chart : public QWidget {
    Q_OBJECT
public:
    explicit Chart(QWidget* parent = nullptr);
    ~Chart() override;

    enum class SeriesType { Bar, Pie };

    void setTitle(const QString& text, const QFont& font, const QColor& colour);
    void setFooter(const QString& text, const QFont& font, const QColor& colour);
    void setLegendTitle(const QString& text);
    // The series' name, kept across changes of its type.
    void setSeriesName(const QString& name);
    QString seriesName() const;

    void clearSeries();
    void addPoint(double value, const QString& label, const QColor& colour);
    const QList<ChartPoint>& points() const;

    // The new type takes over the points, their labels and colours, and the name; the same type changes
    // nothing.
    void setSeriesType(SeriesType type);
    SeriesType seriesType() const;
    // The three-dimensional look, drawn as shading and depth as far as a flat chart can show it.
    void setView3D(bool on);
    bool view3D() const;
    void setOrthogonal(bool on);
    bool orthogonal() const;

    // Draws the whole chart (title, plot, legend, footer) into rect of painter.
    void render(QPainter& painter, const QRectF& rect);
    // One print job on device: the chart on the whole page. A device that fails throws PrintFailure.
    void print(QPaintDevice& device);

    // The drawn series, for the tests that look at it; none before the plot is made or without the module.
    QObject* series() const { return series_; }
    // Loads the chart module and makes the plot, if not made yet; the first show or drawing does it too.
    void makePlot();
    // Where the chart module is looked for: beside the program unless a test names another file.
    static void setModuleFileForTests(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void redraw();
    void rebuildLegend();
    std::unique_ptr<chartmodule::Content> content_;
    QVBoxLayout* layout_;
    const chartmodule::Entries* module_ =
        nullptr;              // none before the plot is made, or when the module is missing
    QWidget* plot_ = nullptr; // the module's view, or the notice that it is missing
    QLabel* footer_;
    QWidget* legend_;
    QHBoxLayout* legendLayout_;
    QLabel* legendTitle_;
    QObject* series_ = nullptr;
};

} // namespace platform
