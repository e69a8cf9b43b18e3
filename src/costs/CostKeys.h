// What a key does in the day and month boxes of the cost card, which take no typing: the shared rule.
#pragma once

#include "common/FieldFilter.h"

namespace costs {

using KeyAction = common::PickKey;

KeyAction listKey(const QKeyEvent& key);

} // namespace costs
