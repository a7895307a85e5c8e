#pragma once

#include <functional>
#include <string>

#include "painter/app/job_context.h"
#include "painter/app/job_options.h"

// The painter's thin window-system layer. The program links the Win32 or the
// console implementation, or on Linux with GTK the one that loads the dialog
// module (ui_module.cpp, with the dialog's code in the module); tests link a
// recorder instead.

// What the program lends its options dialog: how each Go starts a job, and
// the working folder the title names.
struct DialogHost {
    // Starts a job with these options on a thread of its own, which shows
    // itself in `window`; false when no thread could be started (the job
    // did not run).
    std::function<bool(JobOptions options, JobWindow window)> startJob;
    std::function<std::string()> currentFolder;
};

// Shows a fatal error of the program or of its command-line job, with no
// dialog shown, and returns when the user has dismissed it.
void ShowFatalMessage(const char* text);

// Shows the options dialog and returns when the user has closed it; each Go
// starts a job through `host`, which may still be running on return.
// Returns false at once, showing nothing, when this build or this session
// has no window system to show it on.
bool RunOptionsDialog(const DialogHost& host);

// Called every few milliseconds on the dialog's thread while the program
// waits, after the dialog has closed, for a job to stop. Whatever the job
// still asks of the window system must not wait for a dialog that is gone:
// Windows delivers a call from the job's thread only while this thread takes
// messages, so they are taken here. Nothing to do on other window systems.
void AnswerWindowSystem();
