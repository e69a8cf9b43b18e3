// What platform::Chart hands to its drawing module (veicolario_chart, on Qt Charts): the drawn part of the
// chart, and the module's entries, looked up by these names.
#pragma once

#include "platform/Chart.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>

class QObject;
class QWidget;

namespace platform::chartmodule {

struct Content {
    QString title;
    QFont titleFont;
    QColor titleColour;
    QString seriesName;
    QList<ChartPoint> points;
    bool pie = false;
    bool view3D = false;
    bool orthogonal = false;
};

// The plot, a child of parent.
using Create = QWidget* (*)(QWidget* parent);
// The title of content on the plot.
using SetTitle = void (*)(QWidget* plot, const Content* content);
// The series of content drawn anew on the plot; returns the series object.
using Draw = QObject* (*)(QWidget* plot, const Content* content);

inline constexpr char kCreate[] = "veicolarioChartCreate";
inline constexpr char kSetTitle[] = "veicolarioChartSetTitle";
inline constexpr char kDraw[] = "veicolarioChartDraw";

} // namespace platform::chartmodule
