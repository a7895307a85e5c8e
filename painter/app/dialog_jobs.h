#pragma once

#include "painter/app/job_context.h"
#include "painter/app/job_options.h"
#include "painter/app/report.h"
#include "painter/app/worker_threads.h"

// Starts a job from the options dialog on a worker thread of its own: the
// dialog stays responsive, and the user may close it while the job runs.
// The job writes to `log` and shows itself in `window`; it stops at its next
// band or map when its thread is asked to. Returns false when no thread
// could be started (the job did not run). `runCommand` is the context's.
bool StartDialogJob(WorkerThreads& threads, Log& log, platform::CommandRunner runCommand,
                    JobOptions options, JobWindow window);
