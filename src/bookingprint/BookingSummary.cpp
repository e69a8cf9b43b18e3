#include "bookingprint/BookingSummary.h"

#include "common/Text.h"
#include "planner/DayCalendar.h"

namespace bookingprint {

namespace {
constexpr int kLiteralWidth = 15;
}

QString dayLiteral(int slot) {
    const int day = planner::dayOfSlot(slot);
    const QString literal = QStringLiteral("%1 %2")
                                .arg(day, 2, 10, QLatin1Char('0'))
                                .arg(planner::monthName(planner::monthOfSlot(slot)));
    return common::PadCut(literal, kLiteralWidth);
}

void appendSummaryLines(QStringList& lines, const std::function<QString(int)>& dayText) {
    for (int slot = 1; slot <= planner::kDaySlots; ++slot) {
        const QString text = common::Trim(dayText(slot));
        if (!text.isEmpty())
            lines.append(dayLiteral(slot) + text);
    }
}

QString summaryTitle(const QString& make, const QString& model, const QString& year) {
    return QStringLiteral("Riepilogo prenotazioni veicolo ") + common::Trim(make) + QLatin1Char(' ') +
           common::Trim(model) + QStringLiteral(" anno ") + common::Trim(year);
}

} // namespace bookingprint
