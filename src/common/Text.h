// Text routines with the program's own rules, not Qt's Unicode-wide defaults.
#pragma once

#include <QString>

namespace common {

// Strips leading and trailing characters with code 32 or less (control codes included).
QString Trim(const QString& s);
// The same, as a view into s.
QStringView TrimmedView(QStringView s);
// Upper-cases the letters a-z only.
QString UpperAZ(const QString& s);
// Folds a-z to A-Z, then compares character codes; a prefix sorts first. <0, 0 or >0.
int CompareFolded(const QString& a, const QString& b);
// True when needle, folded a-z to A-Z, occurs anywhere in hay folded alike. An empty needle occurs.
bool ContainsFolded(const QString& hay, const QString& needle);
// The first n characters (all of s when shorter; empty for n <= 0).
QString LeftStr(const QString& s, int n);
// s padded with blanks or cut to exactly n characters.
QString PadCut(const QString& s, int n);
// The last n characters.
QString RightStr(const QString& s, int n);
// True when every character is a digit 0-9; true for an empty text.
bool IsNumeric(const QString& s);
// n characters from the 1-based position start.
QString Mid(const QString& s, int start, int n);

} // namespace common
