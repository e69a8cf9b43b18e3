#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

namespace {
QString& overrideFolder() {
    static QString folder;
    return folder;
}
} // namespace

QString programFolder() {
    QString folder = overrideFolder();
    if (folder.isEmpty())
        folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString programPath(const QString& name) {
    return programFolder() + name;
}

void setProgramFolderForTests(const QString& folder) {
    overrideFolder() = QDir(folder).absolutePath();
}

} // namespace platform
