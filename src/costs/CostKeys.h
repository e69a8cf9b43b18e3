// What a key does in the filtered fields of the costs windows.
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

// Year fields: digits, Backspace, Delete, Left and Right pass.
KeyAction digitKey(const QKeyEvent& key);
// Amount fields: digits, the comma, Backspace, Delete, Left and Right pass.
KeyAction amountKey(const QKeyEvent& key);
// Day and month boxes, which take no typing: Backspace and Delete clear, Left and Right pass.
KeyAction listKey(const QKeyEvent& key);

inline bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
inline bool isAmountChar(QChar c) {
    return isDigit(c) || c == QLatin1Char(',');
}

} // namespace costs
