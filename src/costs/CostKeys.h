// What a key does in the day and month boxes of the cost card, which take no typing.
#pragma once

#include <QString>

class QKeyEvent;

namespace costs {

enum class KeyAction {
    Pass,    // handled as usual
    Enter,   // Enter or Return: the window's Enter rule
    Clear,   // Backspace or Delete in a field that takes no typing: the field is emptied
    Swallow, // nothing happens
};

// Day and month boxes, which take no typing: Backspace and Delete clear, Left and Right pass.
KeyAction listKey(const QKeyEvent& key);

} // namespace costs
