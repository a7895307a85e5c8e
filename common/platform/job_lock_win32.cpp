#include <windows.h>

#include <string>

#include "common/platform/job_lock.h"
#include "common/platform/job_lock_shared.h"

namespace platform {
// The file opened without sharing: no other process can open it while this
// handle lives, and the system closes the handle when the process ends, and
// then removes the file. The handle is not inherited by the commands the
// program starts.
Status JobLock::Take() {
    if (handle_) return Status();
    const HANDLE file =
        ::CreateFileA(kJobLockFile, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        handle_ = file;
        return Status();
    }
    const DWORD error = ::GetLastError();
    if (error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION) {
        return Status::Failuref("ERROR: \"%s\" cannot be opened (system error %lu)", kJobLockFile,
                                static_cast<unsigned long>(error));
    }
    if (detail::StartedUnderJobLock()) return Status();
    return detail::kJobLockBusy("");
}

bool JobLock::Held() const { return handle_ != nullptr; }

void JobLock::Release() {
    if (!handle_) return;
    ::CloseHandle(static_cast<HANDLE>(handle_));
    handle_ = nullptr;
}

}  // namespace platform
