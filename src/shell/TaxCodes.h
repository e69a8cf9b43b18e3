// Checks of an Italian fiscal code (check character) and VAT number (check digit and issuing office).
#pragma once

#include <QString>

class QWidget;

namespace shell {

// True when the 16-character text ends with its check character. A text of another length, or one with
// a character other than 0-9 and A-Z in its first fifteen places, is not valid.
bool IsValidCodFisc(const QString& s);
// True when the text is 11 digits and the last is the check digit of the first ten.
bool IsValidPartitaIva(const QString& s);
// The VAT office of a three-digit code (digits 8 to 10 of the number); empty when it has none.
QString vatOffice(const QString& code);

// The check behind the button beside a fiscal-code field: the VAT number check when the trimmed text is
// all digits and not empty, the fiscal code check otherwise. The text goes into the check's edit as it is;
// the field itself is never changed.
void openTaxCodeCheck(QWidget* card, const QString& fieldText);

} // namespace shell
