#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

// Threads that each run one piece of work with a stop token, for a program
// that must not end while one still runs: it asks them all to stop and waits
// for them (StopAll; the destructor does the same without waiting for
// anything else). A finished thread is joined when the next one starts.
class WorkerThreads {
public:
    WorkerThreads() = default;
    WorkerThreads(const WorkerThreads&) = delete;
    WorkerThreads& operator=(const WorkerThreads&) = delete;
    ~WorkerThreads();

    // Runs `work` on a new thread; false when none could be started (the
    // work did not run).
    bool Start(std::function<void(std::stop_token)> work);

    // Whether work started here has not yet returned. Counted before its
    // thread starts, so that it runs from the moment Start is called.
    bool Running() const;

    // Asks every thread started so far to stop; it is up to the work to see it.
    void RequestStop();
    // Whether RequestStop (or StopAll) has asked the last thread started.
    bool StopRequested() const;

    // Asks every thread to stop and returns once all have ended.
    // `whileWaiting` runs on the calling thread every few milliseconds until then.
    void StopAll(const std::function<void()>& whileWaiting);

private:
    struct Worker {
        std::jthread thread;
        std::shared_ptr<std::atomic<bool>> finished;
    };

    mutable std::mutex mutex_;
    std::vector<Worker> workers_;
    std::stop_source lastStarted_{std::nostopstate};
    std::atomic<int> running_{0};
};
