// Opening documents, folders, web and mail addresses with the desktop's associated program.
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace platform {

// The address the desktop is asked to open for a shell command: an outer pair of double quotes is
// only quoting and goes; a local path becomes a file URL.
QUrl shellUrl(const QString& command);

// Hands the command to the desktop; the outcome is neither waited for nor reported.
void openWithShell(const QString& command);
// Tests stand a recorder in for the desktop; an empty function restores the real one.
void setShellOpenRecorder(std::function<void(const QUrl&)> recorder);

} // namespace platform
