#pragma once

// The painter's entry, shared by the Windows and the POSIX program entry:
// takes the command line without the program's name and returns the exit
// status: 0 after a completed job or a dialog run, 1 after a failed
// command-line job, 2 when the painter could not start (no log, or no options
// on the command line and no dialog to ask for them).
//
// When the user closes the dialog while a job still runs, this does not
// return: the log is closed and the program ends at once with status 0.
int PainterMain(const char* commandLine);
