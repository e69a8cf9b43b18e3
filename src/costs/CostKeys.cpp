#include "costs/CostKeys.h"

#include <QKeyEvent>

namespace costs {

KeyAction listKey(const QKeyEvent& key) {
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
        return KeyAction::Clear;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyAction::Enter;
    default:
        return KeyAction::Swallow;
    }
}

} // namespace costs
