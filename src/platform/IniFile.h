// Private-profile (INI) files: one string value of a named section, read or written.
#pragma once

#include <QString>

namespace platform {

// The value of key in section, or defaultValue when the file, the section or the key is missing.
// Section and key names are matched without regard to the case of A-Z. Throws std::runtime_error when
// the file is there but cannot be read: not a regular file, unreadable, or larger than any settings file.
QString readProfileString(const QString& path, const QString& section, const QString& key,
                          const QString& defaultValue);

// Sets key in section, adding either when missing; every other line stays byte for byte. The file is
// replaced through the safe write (platform/SafeFile.h). Returns false when it could not be read or
// written; the file is then as it was.
bool writeProfileString(const QString& path, const QString& section, const QString& key,
                        const QString& value);

} // namespace platform
