#include <cstdlib>
#include <string>

#include "common/platform/job_lock.h"
#include "common/platform/job_lock_shared.h"
#include "common/platform/platform.h"

namespace platform {
namespace {

// The folder whose lock the program that started this one holds.
constexpr const char* kSharedLockVariable = "MARVANE_JOB_FOLDER";

}  // namespace

namespace detail {

bool StartedUnderJobLock() {
    const char* folder = std::getenv(kSharedLockVariable);
    return folder && *folder && CurrentFolder() == folder;
}

Status kJobLockBusy(const std::string& holder) {
    return Status::Failure("ERROR: another painting job or quillet is at work in this folder (" +
                               CurrentFolder() + ")" + holder + ", so \"" + kJobLockFile +
                               "\" is locked; start again once it has ended",
                           platform::kJobLockBusy);
}

}  // namespace detail

void LetCommandsShareJobLock() {
    const std::string folder = CurrentFolder();
    if (folder.empty()) return;
#ifdef _WIN32
    // _putenv sets the runtime's copy and the process environment both.
    _putenv((std::string(kSharedLockVariable) + "=" + folder).c_str());
#else
    ::setenv(kSharedLockVariable, folder.c_str(), 1);
#endif
}

}  // namespace platform
