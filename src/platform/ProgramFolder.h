// The program folder: where the executable lives and where every data file is kept.
#pragma once

#include <QString>

namespace platform {

// The executable's folder, with a trailing '/'.
QString programFolder();
// A file or subfolder beside the program.
QString programPath(const QString& name);
// In-process tests only: every test works in a folder of its own.
void setProgramFolderForTests(const QString& folder);

} // namespace platform
