#include "painter/app/worker_threads.h"

#include <chrono>
#include <exception>
#include <memory>
#include <utility>

WorkerThreads::~WorkerThreads() { StopAll(nullptr); }

bool WorkerThreads::Start(std::function<void(std::stop_token)> work) {
    std::lock_guard<std::mutex> lock(mutex_);
    // Finished ones first: joining them now hardly waits.
    std::erase_if(workers_, [](Worker& worker) {
        if (!*worker.finished) return false;
        worker.thread.join();
        return true;
    });
    running_.fetch_add(1);
    try {
        workers_.reserve(workers_.size() + 1);  // so that keeping it cannot fail
        auto finished = std::make_shared<std::atomic<bool>>(false);
        std::jthread thread([this, work = std::move(work), finished](std::stop_token stop) {
            work(stop);
            running_.fetch_sub(1);
            *finished = true;  // the last step
        });
        lastStarted_ = thread.get_stop_source();
        workers_.push_back({std::move(thread), std::move(finished)});
    } catch (const std::exception&) {
        running_.fetch_sub(1);
        return false;
    }
    return true;
}

bool WorkerThreads::Running() const { return running_.load() > 0; }

void WorkerThreads::RequestStop() {
    std::lock_guard<std::mutex> lock(mutex_);
    for (Worker& worker : workers_) worker.thread.request_stop();
}

bool WorkerThreads::StopRequested() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return lastStarted_.stop_possible() && lastStarted_.stop_requested();
}

void WorkerThreads::StopAll(const std::function<void()>& whileWaiting) {
    using namespace std::chrono_literals;
    RequestStop();
    while (Running()) {
        if (whileWaiting) whileWaiting();
        std::this_thread::sleep_for(5ms);
    }
    std::lock_guard<std::mutex> lock(mutex_);
    for (Worker& worker : workers_) worker.thread.join();
    workers_.clear();
}
