#include "costs/CostLists.h"

#include "common/Failure.h"
#include "common/WindowRegistry.h"
#include "costs/SchedaCosto.h"
#include "costs/TfrmCosti.h"

namespace costs {

bool isUnpaid(const common::Record& cost) {
    // "No" is the same in the stored bytes: nothing to decode.
    return cost.stored(SchedaCosto::Saldato) == QByteArrayView("No");
}

void showInCard(qint64 number, const common::Record& cost) {
    auto* card = common::sharedWindow<TfrmCosti>(QStringLiteral("frmCosti"));
    if (!card)
        throw common::Failure("the cost card is missing");
    card->showRecord(cost, number);
}

} // namespace costs
