// Process-wide switches of the program: the start's memory, drawing on the processor, and the program's end.
#pragma once

#include <functional>

namespace platform {

// First thing in main: room on the heap for the windows made at start, made ready in one step.
void prepareStartMemory();

// Before the application object exists: draw on the processor rather than with the graphics card.
void drawOnProcessor();

// Ends the program at once, asking nothing and saving nothing.
void endProgram();
// Tests stand a recorder in for the end of the program; an empty function restores the real one.
void setEndProgramHandler(std::function<void()> handler);

} // namespace platform
