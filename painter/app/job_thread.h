#pragma once

#include "painter/app/job_options.h"

// Jobs started from the dialog run on worker threads of their own, which
// nobody waits for: the dialog stays responsive, and the user may close it
// while a job still runs.

// Starts RunJob on a new thread with its own copy of the options. Returns
// false when no thread could be started (the job did not run).
bool StartJobThread(JobOptions options);

// Whether a job started by StartJobThread has not yet finished.
bool JobThreadRunning();

// Asks a job started by StartJobThread to stop at its next band or map; it
// then removes what it was writing and returns. Stays asked until the next
// job starts.
void RequestJobStop();
// Whether the running job has been asked to stop.
bool JobStopRequested();

// Ends the program at once with the given status, without running the
// destructors of globals that a still-running job may be using. Standard
// output and standard error are flushed; the caller closes the log first.
[[noreturn]] void EndProgramNow(int status);
