#pragma once

#include <cstdio>

namespace platform {

// Whether a stream goes to a terminal (a console window on Windows) rather
// than to a file, a pipe or nothing: only then is a line redrawn in place.
bool IsTerminal(std::FILE* stream);

// For a program built as a window program (the painter on Windows): makes
// standard output and standard error reach the console window it was started
// from, when they are not redirected already. False when there is none to
// reach (started from a desktop shortcut). Elsewhere: true, they already do.
bool ReachStartingConsole();

// Keeps the program and the commands it starts running when its terminal is
// closed (the job's files must not be left half-written for that).
// Nothing on Windows, where a closed console does not end a window program.
void KeepRunningWhenTerminalCloses();

}  // namespace platform
