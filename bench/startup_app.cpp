// The real start-up, offscreen: every window of the registry created, the login shown, then the loop idles.
#include "app/Program.h"
#include "platform/Program.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    platform::drawOnProcessor();
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    app::startWindows();
    // A zero timer fires once the queued work of the start is done: the loop is idle.
    QTimer::singleShot(0, &application, &QApplication::quit);
    const int code = QApplication::exec();
    common::WindowRegistry::instance().destroyAll();
    return code;
}
