#include "platform/Shell.h"

#include <QDesktopServices>
#include <QRegularExpression>

namespace platform {

namespace {

std::function<void(const QUrl&)>& recorder() {
    static std::function<void(const QUrl&)> r;
    return r;
}

} // namespace

QUrl shellUrl(const QString& command) {
    QString text = command;
    if (text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"')))
        text = text.mid(1, text.size() - 2);
    // A scheme has two letters at least, so "C:\..." is a path and "mailto:" an address.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(text).hasMatch())
        return QUrl(text, QUrl::TolerantMode);
    return QUrl::fromLocalFile(text);
}

void openWithShell(const QString& command) {
    const QUrl url = shellUrl(command);
    if (recorder()) {
        recorder()(url);
        return;
    }
    QDesktopServices::openUrl(url);
}

void setShellOpenRecorder(std::function<void(const QUrl&)> r) {
    recorder() = std::move(r);
}

} // namespace platform
