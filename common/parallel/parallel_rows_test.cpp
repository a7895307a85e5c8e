#include "common/parallel/parallel_rows.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/thread_count.h"

namespace {

using ThreadSetting = testing_support::ScopedThreadCount;

TEST(ParallelRows, CoversEveryRowExactlyOnceForAnyWorkerCount) {
    for (const char* workers : {"1", "2", "3", "7", "64"}) {
        ThreadSetting setting(workers);
        for (size_t rows : {1u, 2u, 5u, 63u, 1000u}) {
            std::vector<std::atomic<int>> hits(rows);
            ParallelForRows(rows, [&](size_t first, size_t last) {
                ASSERT_LE(first, last);
                for (size_t row = first; row < last; ++row) hits[row]++;
            });
            for (size_t row = 0; row < rows; ++row) {
                EXPECT_EQ(hits[row].load(), 1) << workers << " workers, row " << row << " of " << rows;
            }
        }
    }
}

TEST(ParallelRows, ReadsTheWorkerCountFromTheEnvironment) {
    ThreadSetting three("3");
    EXPECT_EQ(WorkerCount(), 3u);
    ThreadSetting nonsense("many");
    EXPECT_GE(WorkerCount(), 1u);
    ThreadSetting zero("0");
    EXPECT_GE(WorkerCount(), 1u);
}

TEST(ParallelRows, RethrowsAFailureAfterEveryBandHasEnded) {
    ThreadSetting setting("4");
    std::atomic<int> finished{0};
    EXPECT_THROW(ParallelForRows(8, [&](size_t first, size_t) {
                     if (first == 0) throw std::runtime_error("band failed");
                     finished++;
                 }),
                 std::runtime_error);
    EXPECT_EQ(finished.load(), 3);
}

TEST(ParallelRows, NoRowsRunsNothing) {
    bool ran = false;
    ParallelForRows(0, [&](size_t, size_t) { ran = true; });
    EXPECT_FALSE(ran);
}

}  // namespace
