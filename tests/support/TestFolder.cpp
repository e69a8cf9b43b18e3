#include "TestFolder.h"

#include "platform/ProgramFolder.h"

#include <QFile>
#include <QFileInfo>

namespace testsupport {

TestFolder::TestFolder() {
    platform::setProgramFolderForTests(dir_.path());
}

void TestFolder::write(const QString& name, const QByteArray& bytes) const {
    QFile f(path(name));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

QByteArray TestFolder::read(const QString& name) const {
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool TestFolder::exists(const QString& name) const {
    return QFileInfo::exists(path(name));
}

} // namespace testsupport
