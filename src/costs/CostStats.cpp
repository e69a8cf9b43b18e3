#include "costs/CostStats.h"

#include "common/Numbers.h"
#include "common/Text.h"

namespace costs {

int statisticsMonth(const QString& data, const QString& year) {
    const QString padded = common::Trim(data) + QString(10, QLatin1Char(' '));
    const QString month = common::Trim(common::Mid(padded, 4, 2));
    const QString inYear = common::Trim(common::Mid(padded, 7, 4));
    if (inYear != common::Trim(year) || month.size() != 2 || !common::IsNumeric(month))
        return 0;
    const int m = month.toInt();
    return m >= 1 && m <= 12 ? m : 0;
}

QString roundedMonthTotal(const QString& total) {
    const QString text = common::Trim(total);
    if (text.isEmpty())
        return QStringLiteral("0");
    double value = 0;
    if (!common::LeggiNumero(text, value))
        return QStringLiteral("0");
    return common::FormatoGenerale(common::Arrotonda(value, 0));
}

QColor monthColour(int month) {
    static const QRgb kColours[12] = {0xFFFF0000, 0xFF0000FF, 0xFFFFFFFF, 0xFFFF00FF, 0xFFC0DCC0, 0xFFFFFF00,
                                      0xFF00FF00, 0xFFC0C0C0, 0xFFF0FBFF, 0xFF87CEEB, 0xFF800000, 0xFF008000};
    return month >= 1 && month <= 12 ? QColor::fromRgba(kColours[month - 1]) : QColor();
}

} // namespace costs
