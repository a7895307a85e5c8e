#pragma once

#include <cstdio>
#include <functional>

#include "common/platform/platform.h"
#include "painter/app/report.h"

// Where a job started from a dialog shows itself: the status field, the
// controls it greys out while it runs, and the box of a fatal error (which
// returns once the user has dismissed it, or the dialog has gone). An empty
// member shows nothing. The job calls them from its own thread.
struct JobWindow {
    std::function<void(const char* text)> showStatus;
    std::function<void(bool enabled)> enableControls;
    std::function<void(const char* text)> showFatal;
};

// Everything a job asks of the program that runs it, built by its caller:
// the command line for its one job, the dialog for each of its worker
// threads. The job asks no global for any of it.
struct JobContext {
    // Each step's text is written here.
    Log& log;
    // Whether the user wants the job to stop; empty for a job that runs to
    // its end (the command line's, which only ending the program stops).
    std::function<bool()> stopRequested;
    // The dialog's status field, controls and error box.
    JobWindow window;
    // A terminal that shows each step and a progress bar, or null.
    std::FILE* terminal = nullptr;
    // A command-line job says its warnings, notes and the reasons for its
    // failure on standard error, and runs under the lock its program took;
    // a dialog's job has no standard error and takes the lock itself.
    bool fromCommandLine = false;
    // Runs the job's commands (the converter, the splitter) in place of the
    // command interpreter, for tests that look at them; null: the interpreter.
    platform::CommandRunner runCommand = nullptr;
};
