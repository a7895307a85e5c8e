#pragma once

#include "common/status/status.h"

// One job per working folder. A painting job, and the splitter run by hand,
// hold a lock on the file "marvane.lock" in the current folder for their whole
// run, so that a second one started there cannot overwrite the first one's
// temporary tiles under it. The lock is the system's own (a record lock on
// Linux, a file opened without sharing on Windows): it goes with the process
// that holds it, however that process ends, so a killed job never leaves the
// folder locked. The file is removed as the lock is let go; a killed job's
// (Linux) stays behind, locking nothing, until the next job's end.
namespace platform {

constexpr const char* kJobLockFile = "marvane.lock";

// The Status code of a lock that another process holds.
constexpr int kJobLockBusy = 2;

class JobLock {
public:
    JobLock() = default;
    ~JobLock() { Release(); }
    JobLock(const JobLock&) = delete;
    JobLock& operator=(const JobLock&) = delete;

    // Takes the lock of the current folder. Fails with code kJobLockBusy and a
    // message that says so when another process holds it, unless the
    // program was started by the job that holds it (see
    // LetCommandsShareJobLock). Any other failure (a read-only folder, a
    // file system without locks) is reported with code 1; callers go on
    // without the lock then, as the folder is of no use to a second job
    // either.
    Status Take();
    bool Held() const;
    void Release();

private:
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

// Marks the commands this program starts from now on as parts of its job: a
// splitter it starts in the current folder works under the lock the program
// holds there instead of being refused. Call once at the start, before any
// thread is started.
void LetCommandsShareJobLock();

}  // namespace platform
