#include "platform/Program.h"

#include <QCoreApplication>

namespace platform {

namespace {
std::function<void()>& endHandler() {
    static std::function<void()> handler;
    return handler;
}
} // namespace

void drawOnProcessor() {
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
}

void endProgram() {
    if (endHandler())
        endHandler()();
    else
        QCoreApplication::exit(0);
}

void setEndProgramHandler(std::function<void()> handler) {
    endHandler() = std::move(handler);
}

} // namespace platform
