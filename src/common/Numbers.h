// Number, amount, date and year routines shared by the schedule, mileage and cost apps.
#pragma once

#include <QDate>
#include <QString>

namespace common {

// x rounded to n decimals, halves away from zero (n <= 0 rounds to a whole number).
double Arrotonda(double x, int n);
// x in general form with a decimal comma: 15 significant digits, no trailing zeros, no thousands
// separator; exponent form ("1E15", "1,5E-7") when the whole part has more than 15 digits or the
// value is below 0.00001.
QString FormatoGenerale(double x);
// Reads a number with a decimal comma: blanks, sign, digits, comma and fraction, exponent, blanks.
bool LeggiNumero(QStringView text, double& value);
// The canonical amount text ("12,50", "0,0001", "1E15,00"); "0,00" for anything that is not a number.
QString NormalizzaImporto(const QString& text);
// The date of a "dd/MM/yyyy" text (surrounding blanks ignored); an invalid date when it names none.
QDate LeggiData(const QString& text);
// True when the text names an existing day as "dd/MM/yyyy".
bool DataValida(const QString& text);
// True when the text is exactly four ASCII digits, so it can name a year file.
bool AnnoValido(const QString& text);

} // namespace common
