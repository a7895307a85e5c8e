#pragma once

#include <string>

#include "common/status/status.h"

// What both platforms' JobLock (job_lock_posix.cpp, job_lock_win32.cpp) share.
namespace platform::detail {

// Whether the program that started this one holds the current folder's lock.
bool StartedUnderJobLock();

// The failure of a lock that another process holds; `holder` says which
// process, when the system tells ("" or " by process N").
Status kJobLockBusy(const std::string& holder);

}  // namespace platform::detail
