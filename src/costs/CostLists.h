// Reading the costs year file into list lines, and loading a chosen line back into the cost card.
#pragma once

#include "common/Archive.h"

#include <QStringList>

#include <functional>

namespace costs {

// The lines of the records that pass, in file order. Lines gathered before a failure stay in lines.
void collectCostLines(common::ArchiveFile& archive, const std::function<bool(const common::Record&)>& pass,
                      QStringList& lines);
// True when a record's Saldato, trimmed, is exactly "No".
bool isUnpaid(const common::Record& cost);
// Loads into the cost card every record of the card's file whose line equals the chosen one, so the
// last one stays; throws on a failure.
void loadChosenCost(const QString& chosen);
// Puts one record into the cost card, as its navigation does.
void showInCard(qint64 number, const common::Record& cost);

} // namespace costs
