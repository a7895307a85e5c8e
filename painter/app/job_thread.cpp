#include "painter/app/job_thread.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <system_error>
#include <thread>

#include "painter/app/job.h"

namespace {

// Counted before the thread starts, so that a job is "running" from the
// moment Go is handled until RunJob has returned.
std::atomic<int> runningJobs{0};
std::atomic<bool> stopRequested{false};

}  // namespace

bool StartJobThread(JobOptions options) {
    stopRequested = false;
    runningJobs.fetch_add(1);
    try {
        std::thread([options] {
            RunJob(options);
            runningJobs.fetch_sub(1);
        }).detach();
    } catch (const std::system_error&) {
        runningJobs.fetch_sub(1);
        return false;
    }
    return true;
}

bool JobThreadRunning() { return runningJobs.load() > 0; }

void RequestJobStop() { stopRequested = true; }

bool JobStopRequested() { return stopRequested.load(); }

void EndProgramNow(int status) {
    std::fflush(stdout);
    std::fflush(stderr);
    // No atexit handlers, no static destructors: the other threads end with
    // the process, wherever they are.
    std::_Exit(status);
}
