#include "painter/app/dialog_jobs.h"

#include <utility>

#include "painter/app/job.h"

bool StartDialogJob(WorkerThreads& threads, Log& log, platform::CommandRunner runCommand,
                    JobOptions options, JobWindow window) {
    return threads.Start(
        [&log, runCommand, options, window = std::move(window)](std::stop_token stop) {
            const JobContext context{
                log, [stop] { return stop.stop_requested(); }, window, nullptr, false, runCommand};
            RunJob(options, context);
        });
}
