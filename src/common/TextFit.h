// Texts that fit their controls whatever font the system gives for the one a window asks for: where a
// line, a label's text or a calendar's day names would be cut, the control takes the largest smaller size
// of its font that shows them whole.
#pragma once

class QWidget;

namespace common {

// Fits the texts of the window's controls as they stand; a text that fits keeps its font. The windows'
// bases run it each time the program shows a window.
void fitTexts(QWidget* window);

} // namespace common
