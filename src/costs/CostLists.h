// Reading the costs year file into list lines, and loading a chosen line back into the cost card.
#pragma once

#include "common/Archive.h"

#include <QStringList>

#include <functional>
#include <vector>

namespace costs {

// The lines of the records that pass and their numbers, in file order. What was gathered before a failure
// stays.
void collectCostLines(common::ArchiveFile& archive, const std::function<bool(const common::Record&)>& pass,
                      QStringList& lines, std::vector<qint64>& numbers);
// True when a record's Saldato, trimmed, is exactly "No".
bool isUnpaid(const common::Record& cost);
// Loads into the cost card the last of the listed records of the card's file whose line equals the chosen
// one; throws on a failure.
void loadChosenCost(const QString& chosen, const std::vector<qint64>& listed);
// Puts one record into the cost card, as its navigation does.
void showInCard(qint64 number, const common::Record& cost);

} // namespace costs
