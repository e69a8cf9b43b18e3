// Copying files.
#pragma once

#include <QString>

namespace platform {

// Copies source to destination, replacing a file of that name only once the copy is complete (also when
// source and destination are the same file). False when it cannot, destination then as it was.
bool copyFileReplacing(const QString& source, const QString& destination);

} // namespace platform
