#pragma once

#include <cstdio>
#include <mutex>

#include "common/status/status.h"

// The painter's log file. Lines use the printf convention and hold at most
// 511 characters; longer texts are cut. A job's thread may write lines while
// the dialog's thread closes the log, so every use of the stream is locked.
class Log {
public:
    Log() = default;
    Log(const Log&) = delete;
    Log& operator=(const Log&) = delete;
    ~Log() { Close(); }

    // Opens log.txt (or another path, for tests) empty. False when it cannot be created.
    bool Open(const char* path);
    // Closes the log; later lines are dropped.
    void Close();

    // Writes one line and flushes it; dropped when the log is not open.
    void Line(const char* format, ...) MARVANE_PRINTF(2, 3);
    // The same for a text already formatted, which is written as it is.
    void Text(const char* text);

private:
    std::mutex mutex_;
    std::FILE* file_ = nullptr;
};
