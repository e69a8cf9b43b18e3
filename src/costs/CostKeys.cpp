#include "costs/CostKeys.h"

#include <QKeyEvent>

#include <optional>

namespace costs {

namespace {

// The keys every filter lets through or handles alike; nullopt for the others.
std::optional<KeyAction> common(const QKeyEvent& key, bool editable) {
    switch (key.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
        return KeyAction::Pass;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return editable ? KeyAction::Pass : KeyAction::Clear;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyAction::Enter;
    default:
        return std::nullopt;
    }
}

KeyAction typed(const QKeyEvent& key, bool (*allowed)(QChar)) {
    if (const auto action = common(key, true))
        return *action;
    // A shortcut (copy, paste, select all) is not typing; paste is filtered where the text arrives.
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return KeyAction::Pass;
    const QString text = key.text();
    return text.size() == 1 && allowed(text.at(0)) ? KeyAction::Pass : KeyAction::Swallow;
}

} // namespace

KeyAction digitKey(const QKeyEvent& key) {
    return typed(key, &isDigit);
}

KeyAction amountKey(const QKeyEvent& key) {
    return typed(key, &isAmountChar);
}

KeyAction listKey(const QKeyEvent& key) {
    return common(key, false).value_or(KeyAction::Swallow);
}

} // namespace costs
