#include "costs/CostKeys.h"

namespace costs {

KeyAction listKey(const QKeyEvent& key) {
    return common::pickListKey(key);
}

} // namespace costs
