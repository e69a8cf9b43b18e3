// Scrambling of the stored password.
#pragma once

#include <QString>

namespace shell {

// Two upper-case hexadecimal digits per character (its low 8 bits).
QString EncryptPassword(const QString& password);
// Throws common::Failure when a pair of digits is not a hexadecimal number; a last unpaired digit is
// ignored.
QString DecryptPassword(const QString& stored);

// Where the password is kept.
QString passwordFilePath();
inline constexpr const char* kPasswordSection = "Accesso";
inline constexpr const char* kPasswordKey = "Valore";

} // namespace shell
