// What the lists of costs share: the selection of unpaid costs and the load of a chosen cost into the card.
#pragma once

#include "common/Archive.h"

namespace costs {

// True when a record's Saldato, trimmed, is exactly "No".
bool isUnpaid(const common::Record& cost);
// Puts one record into the cost card, as its navigation does.
void showInCard(qint64 number, const common::Record& cost);

} // namespace costs
