#pragma once

#include <cstddef>
#include <functional>

// Rows of an image or a grid that depend only on their inputs can be computed
// on every core. Each worker gets one contiguous band of rows and writes only
// its own rows, so the result is the same for any number of workers.

// The number of workers: the environment variable MARVANE_THREADS when it
// holds a whole number from 1 up, otherwise the number of hardware threads.
size_t WorkerCount();

// Runs body(first, last) over bands that together cover [0, rows) exactly
// once, at most WorkerCount() at a time, and returns when all have finished.
// An exception thrown by any band is rethrown here, after every band ends.
void ParallelForRows(size_t rows, const std::function<void(size_t first, size_t last)>& body);
