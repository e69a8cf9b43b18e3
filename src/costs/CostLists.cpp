#include "costs/CostLists.h"

#include "common/Failure.h"
#include "common/ListWindow.h"
#include "common/WindowRegistry.h"
#include "costs/SchedaCosto.h"
#include "costs/TfrmCosti.h"

namespace costs {

void collectCostLines(common::ArchiveFile& archive, const std::function<bool(const common::Record&)>& pass,
                      QStringList& lines, std::vector<qint64>& numbers) {
    archive.forEach([&](qint64 number, const common::Record& cost) {
        if (!pass || pass(cost)) {
            lines.append(costLine(cost));
            numbers.push_back(number);
        }
    });
}

bool isUnpaid(const common::Record& cost) {
    return cost.get(SchedaCosto::Saldato) == kSaldatoNo;
}

void showInCard(qint64 number, const common::Record& cost) {
    auto* card = common::sharedWindow<TfrmCosti>(QStringLiteral("frmCosti"));
    if (!card)
        throw common::Failure("the cost card is missing");
    card->showRecord(cost, number);
}

void loadChosenCost(const QString& chosen, const std::vector<qint64>& listed) {
    auto* card = common::sharedWindow<TfrmCosti>(QStringLiteral("frmCosti"));
    if (!card)
        throw common::Failure("the cost card is missing");
    common::ArchiveFile archive = openCostArchive(card->costFile());
    common::loadMatchingRecords(archive, chosen, listed, &costLine, &showInCard);
}

} // namespace costs
