#pragma once

#include <functional>

#include "painter/app/job_options.h"

// Jobs started from the dialog run on worker threads of their own, so that
// the dialog stays responsive and the user may close it while a job still
// runs. The program then asks the job to stop and waits for its thread
// before it ends: no job is left running under the program's globals.

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
// Whether the calling thread is a job thread of the dialog, whose job can be
// asked to stop; a command-line job runs on the main thread and cannot.
bool OnJobThread();

// Asks every job started by StartJobThread to stop and returns once all
// their threads have ended. `whileWaiting` runs on the calling thread every
// few milliseconds until then.
void StopJobThreads(const std::function<void()>& whileWaiting);
