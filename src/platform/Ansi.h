// The system ANSI code page (Windows-1252), which Qt 6 lacks without ICU.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// A character that Windows-1252 cannot hold becomes '?'.
QByteArray toAnsi(const QString& text);
// Writes the characters of toAnsi(text) at out, at most room of them; returns how many it wrote.
qsizetype toAnsi(QStringView text, char* out, qsizetype room);
char toAnsiChar(QChar ch);
QString fromAnsi(const QByteArray& bytes);
QString fromAnsi(const char* data, qsizetype size);
// Writes the size characters of fromAnsi(data, size) at out.
void fromAnsi(const char* data, qsizetype size, char16_t* out);

} // namespace platform
