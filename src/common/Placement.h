// Keeps controls where a window's design puts them at any size of the window (a maximised window on any
// screen): a panel in the middle, a control at a corner or an edge at its designed distance from it.
#pragma once

#include <Qt>

class QWidget;

namespace common {

// Keeps panel in the middle of its parent; once the parent is smaller than the panel, the panel scrolls.
void keepCentred(QWidget* panel);
// Keeps control at the distance from each of edges that it has now; held to both of two opposite edges, it
// stretches. Call it while the parent still has its designed size.
void keepAtEdges(QWidget* control, Qt::Edges edges);

} // namespace common
