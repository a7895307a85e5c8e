#include "common/parallel/parallel_rows.h"

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <thread>
#include <vector>

#include "common/text/c_number.h"

size_t WorkerCount() {
    if (const char* setting = std::getenv("MARVANE_THREADS")) {
        long long value = 0;
        const char* end = ReadCInteger(setting, value);
        if (end && *end == '\0' && value >= 1) return static_cast<size_t>(std::min(value, 256LL));
    }
    const unsigned hardware = std::thread::hardware_concurrency();
    return hardware == 0 ? 1 : hardware;
}

void ParallelForRows(size_t rows, const std::function<void(size_t, size_t)>& body) {
    if (rows == 0) return;
    const size_t workers = std::min(WorkerCount(), rows);
    if (workers == 1) {
        body(0, rows);
        return;
    }
    std::vector<std::exception_ptr> failures(workers);
    std::vector<std::thread> threads;
    threads.reserve(workers - 1);
    auto runBand = [&](size_t band) {
        const size_t first = rows * band / workers;
        const size_t last = rows * (band + 1) / workers;
        try {
            body(first, last);
        } catch (...) {
            failures[band] = std::current_exception();
        }
    };
    // If a thread cannot be started, the bands not yet handed out run here.
    size_t started = 1;
    try {
        for (; started < workers; ++started) threads.emplace_back(runBand, started);
    } catch (...) {
    }
    for (size_t band = started; band < workers; ++band) runBand(band);
    runBand(0);
    for (std::thread& thread : threads) thread.join();
    for (const std::exception_ptr& failure : failures) {
        if (failure) std::rethrow_exception(failure);
    }
}
