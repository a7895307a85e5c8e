#pragma once

#include "common/platform/platform.h"
#include "painter/app/report.h"
#include "painter/app/worker_threads.h"

// The painter's entry, shared by the Windows and the POSIX program entry:
// takes the command line without the program's name and returns the exit
// status: 0 after a completed job or a dialog run, 1 after a failed
// command-line job, 2 when the painter could not start (no log, or no options
// on the command line and no dialog to ask for them).
//
// When the user closes the dialog while a job still runs, the job is asked to
// stop; this returns 0 once it has ended, with the log closed after its lines.
int PainterMain(const char* commandLine);

// What one run of the painter owns: its log and the threads of the jobs its
// dialog started (which end before the log closes). A caller that keeps it
// can look at both afterwards, and may have its jobs' commands run by
// `runCommand` instead of the command interpreter (JobContext).
struct PainterRun {
    Log log;
    WorkerThreads dialogThreads;
    platform::CommandRunner runCommand = nullptr;
};
int PainterMain(const char* commandLine, PainterRun& run);
