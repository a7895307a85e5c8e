#include "painter/app/worker_threads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using namespace std::chrono_literals;

// Work that runs until its thread is asked to stop, as a job between bands.
void UntilStopped(std::stop_token stop) {
    for (int i = 0; i < 20000 && !stop.stop_requested(); ++i) std::this_thread::sleep_for(1ms);
}

TEST(WorkerThreads, StopAllAsksEveryThreadAndReturnsOnceAllHaveEnded) {
    WorkerThreads threads;
    std::atomic<int> ended{0};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(threads.Start([&ended](std::stop_token stop) {
            UntilStopped(stop);
            ++ended;
        }));
    }
    EXPECT_TRUE(threads.Running());
    EXPECT_FALSE(threads.StopRequested());
    int waits = 0;
    threads.StopAll([&waits] { ++waits; });
    EXPECT_EQ(ended.load(), 3);
    EXPECT_GT(waits, 0);  // the caller's window system was answered meanwhile
    EXPECT_FALSE(threads.Running());
    EXPECT_TRUE(threads.StopRequested());
}

// Each piece of work has a stop of its own: a request for the running one
// does not reach the next, which starts unasked.
TEST(WorkerThreads, ANewThreadStartsUnaskedAndFinishedOnesDoNotCount) {
    WorkerThreads threads;
    ASSERT_TRUE(threads.Start(UntilStopped));
    threads.RequestStop();
    for (int i = 0; i < 5000 && threads.Running(); ++i) std::this_thread::sleep_for(1ms);
    EXPECT_FALSE(threads.Running());

    std::atomic<bool> started{false};
    std::atomic<bool> askedAtStart{true};
    ASSERT_TRUE(threads.Start([&](std::stop_token stop) {
        askedAtStart = stop.stop_requested();
        started = true;
        UntilStopped(stop);
    }));
    EXPECT_TRUE(threads.Running());
    for (int i = 0; i < 5000 && !started; ++i) std::this_thread::sleep_for(1ms);
    EXPECT_FALSE(threads.StopRequested());
    threads.StopAll(nullptr);
    EXPECT_FALSE(askedAtStart.load());
}

}  // namespace
