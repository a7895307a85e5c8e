#pragma once

// The painter's entry, shared by the Windows and the POSIX program entry:
// takes the command line without the program's name and returns the exit
// status: 0 after a completed job, 1 after a failed one, 2 when the painter
// could not start (no log, or no options to run with).
int PainterMain(const char* commandLine);
