// The plate field's typing rules.
#pragma once

#include <QChar>
#include <QString>

namespace fleet {

// The characters that the plate field refuses when typed.
bool plateRefuses(QChar ch);
// What the plate field shows after a typed change: refused characters dropped, trimmed, a-z upper-cased.
QString typedPlate(const QString& text);

} // namespace fleet
