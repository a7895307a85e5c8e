#include "painter/app/job_thread.h"

#include <atomic>
#include <chrono>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "painter/app/job.h"

namespace {

// Counted before the thread starts, so that a job is "running" from the
// moment Go is handled until RunJob has returned.
std::atomic<int> runningJobs{0};
std::atomic<bool> stopRequested{false};
thread_local bool onJobThread = false;

// The job threads not joined yet. A finished one is joined when the next job
// starts, the others when the program stops them.
class JobThreads {
public:
    ~JobThreads() { JoinAll(); }  // a caller that never stopped its jobs

    // Starts `job` on a new thread; false when none could be started.
    bool Start(std::function<void()> job) {
        std::lock_guard<std::mutex> lock(mutex_);
        JoinFinished();
        try {
            threads_.reserve(threads_.size() + 1);  // so that keeping it cannot fail
            auto finished = std::make_shared<std::atomic<bool>>(false);
            std::thread thread([job = std::move(job), finished] {
                job();
                *finished = true;  // the last step: joining it now hardly waits
            });
            threads_.push_back({std::move(thread), std::move(finished)});
        } catch (const std::exception&) {
            return false;
        }
        return true;
    }

    void JoinAll() {
        std::lock_guard<std::mutex> lock(mutex_);
        for (JobThread& job : threads_) job.thread.join();
        threads_.clear();
    }

private:
    struct JobThread {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> finished;
    };

    void JoinFinished() {
        std::erase_if(threads_, [](JobThread& job) {
            if (!*job.finished) return false;
            job.thread.join();
            return true;
        });
    }

    std::mutex mutex_;
    std::vector<JobThread> threads_;
};

JobThreads jobThreads;

}  // namespace

bool StartJobThread(JobOptions options) {
    stopRequested = false;
    runningJobs.fetch_add(1);
    const bool started = jobThreads.Start([options] {
        onJobThread = true;
        RunJob(options);
        runningJobs.fetch_sub(1);
    });
    if (!started) runningJobs.fetch_sub(1);
    return started;
}

bool JobThreadRunning() { return runningJobs.load() > 0; }

void RequestJobStop() { stopRequested = true; }

bool JobStopRequested() { return stopRequested.load(); }

void StopJobThreads(const std::function<void()>& whileWaiting) {
    using namespace std::chrono_literals;
    RequestJobStop();
    while (JobThreadRunning()) {
        if (whileWaiting) whileWaiting();
        std::this_thread::sleep_for(5ms);
    }
    jobThreads.JoinAll();
}

bool OnJobThread() { return onJobThread; }
