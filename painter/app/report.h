#pragma once

#include "common/status/status.h"

// Reporting for every part of the painter: the log file, the status field and
// fatal errors. Messages use the printf convention and hold at most 511
// characters; longer texts are cut.

// Opens log.txt (or another path, for tests) empty. False when it cannot be created.
bool OpenLog(const char* path);
// Closes the log; later lines are dropped. Safe from any thread.
void CloseLog();

// Writes one line to the log and flushes it; dropped when no log is open.
void LogLine(const char* format, ...) MARVANE_PRINTF(1, 2);
// Logs one line and shows the same text in the dialog's status field.
void ShowStatus(const char* format, ...) MARVANE_PRINTF(1, 2);
