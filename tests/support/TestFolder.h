// A program folder of the test's own, in a temporary directory.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testsupport {

class TestFolder {
public:
    TestFolder(); // sets the program folder to a new temporary directory
    QString path(const QString& name) const { return dir_.filePath(name); }
    QString folder() const { return dir_.path(); }
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    bool exists(const QString& name) const;

private:
    QTemporaryDir dir_;
};

} // namespace testsupport
