// Program start: every window created in its fixed order, the login shown, the event loop run.
#pragma once

#include "common/WindowRegistry.h"

#include <QList>

namespace app {

// The creation table: the 52 windows in the order the program creates them.
QList<common::WindowEntry> creationTable();
// Creates the shared instances and shows the login window; the caller runs the event loop.
void startWindows();
// The whole program, from the switch that precedes the application object to the event loop's end.
int runProgram(int argc, char** argv);

} // namespace app
