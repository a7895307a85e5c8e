#pragma once

#include <string>

// Reporting for every part of the painter: the log file, the status field and
// fatal errors. Messages use the printf convention and hold at most 511
// characters; longer texts are cut.

#if defined(__MINGW32__)
#define MARVANE_PRINTF(fmt, args) __attribute__((format(gnu_printf, fmt, args)))
#elif defined(__GNUC__)
#define MARVANE_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define MARVANE_PRINTF(fmt, args)
#endif

constexpr int MessageCapacity = 512;

// The one kind of exception a job shows in words: a failure's message text.
struct FatalError {
    std::string text;
};

// Opens log.txt (or another path, for tests) empty. False when it cannot be created.
bool OpenLog(const char* path);
// Closes the log; later lines are dropped. Safe from any thread.
void CloseLog();

// Writes one line to the log and flushes it; dropped when no log is open.
void LogLine(const char* format, ...) MARVANE_PRINTF(1, 2);
// Logs one line and shows the same text in the dialog's status field.
void ShowStatus(const char* format, ...) MARVANE_PRINTF(1, 2);
// Ends the running job with the formatted message.
[[noreturn]] void Fail(const char* format, ...) MARVANE_PRINTF(1, 2);
