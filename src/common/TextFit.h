// Texts that show whole in their controls whatever face the system gives for the font a window asks for. A
// control keeps its own font unless its drawn text would lose part of its glyphs in the room the control is
// shown in; then it takes the largest smaller size of that font that shows them whole, and gets its own font
// back as soon as that shows them whole again (the window resized, a page shown, the text changed).
#pragma once

class QString;
class QWidget;

namespace common {

// Keeps the texts of the window's controls whole from now on: each control is judged once it is laid out,
// and again whenever its room, its text or its font changes. The windows' bases call it each time the
// program shows a window; a window that is never shown costs nothing.
void fitTexts(QWidget* window);

// The letters that reach highest and lowest among those an entry field or a drop-down may show: their text
// changes as the user types or chooses, so they are judged on these.
const QString& tallestLetters();

} // namespace common
