#include "common/Misc.h"

#include "platform/Shell.h"

void TMisc::Open(const QString& sCommand) {
    platform::openWithShell(sCommand);
}
