// Where windows go on the screen.
#pragma once

class QWidget;

namespace platform {

// A window larger than its screen's free area (the screen less panels and docks) is made just small enough
// to fit it, title bar and frame included, and moved inside it. A maximised or full-screen window is left
// alone. Before the window system has framed the window, the frame is taken as Qt's dialogs take it.
void fitIntoScreen(QWidget* window);

} // namespace platform
