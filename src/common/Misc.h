// Opening a document, folder, web address or mail address with the system's associated program.
#pragma once

#include <QString>

class TMisc {
public:
    // The result is ignored: when nothing can be opened, nothing is reported.
    static void Open(const QString& sCommand);
};
