// Program start: every window created in its fixed order, the login shown, the event loop run.
#pragma once

#include "common/WindowRegistry.h"
#include "platform/SafeFile.h"

#include <QList>

namespace app {

// The creation table: the 52 windows in the order the program creates them.
QList<common::WindowEntry> creationTable();
// The share of a bare Qt window's start that creating the window of that class may take.
double creationBudget(const QString& className);
// What the program's start may add to a bare start besides its windows: its own libraries, the application
// object's settings, the start's memory and the login's first show.
inline constexpr double kStartOverheadBudget = 0.2;
// Every file that the program replaces whole through the safe write, by folder of the program: what the
// clean-up at start looks for. A write stopped half-way (a kill, a power cut) leaves its temporary there.
QList<platform::SafeWriteTargets> safeWriteTargets();
// Removes the stale temporaries of safeWriteTargets(), creates the shared instances of the creation table
// and shows the login window; the caller runs the event loop.
void startWindows();
// The same with the rows of table (the start-up benchmark times each row).
void startWindows(const QList<common::WindowEntry>& table);
// The application object's settings: Qt's texts in Italian, no quit when the last window closes, the name.
void setUpApplication();
// The whole program, from the switch that precedes the application object to the event loop's end.
int runProgram(int argc, char** argv);

} // namespace app
