#include "fleet/Plate.h"

#include "common/Text.h"

namespace fleet {

bool plateRefuses(QChar ch) {
    const char16_t u = ch.unicode();
    switch (u) {
    case u'&':
    case u'/':
    case u'<':
    case u'>':
    case 0x00A3: // pound sign
    case 0x00B0: // degree sign
        return true;
    default:
        break;
    }
    // Accented A, E, I, O, U, C cedilla and N tilde, in both cases; the lower case is the upper plus 0x20.
    const char16_t upper = (u >= 0xE0 && u <= 0xFE) ? char16_t(u - 0x20) : u;
    return (upper >= 0xC0 && upper <= 0xC2) || upper == 0xC4 || (upper >= 0xC7 && upper <= 0xCF) ||
           (upper >= 0xD1 && upper <= 0xD4) || upper == 0xD6 || (upper >= 0xD9 && upper <= 0xDC);
}

QString typedPlate(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (const QChar ch : text)
        if (!plateRefuses(ch))
            kept.append(ch);
    return common::Trim(common::UpperAZ(kept));
}

} // namespace fleet
