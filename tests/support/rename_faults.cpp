#include "tests/support/rename_faults.h"

#include <atomic>

#ifdef __linux__
#include <dlfcn.h>

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#endif

namespace {

std::atomic<int> failAt{0};
std::atomic<int> exitAt{0};

}  // namespace

bool testing_support::FailRenameCall(int count) {
#ifdef __linux__
    failAt = count;
    return true;
#else
    (void)count;
    return false;
#endif
}

bool testing_support::ExitAtRenameCall(int count) {
#ifdef __linux__
    exitAt = count;
    return true;
#else
    (void)count;
    return false;
#endif
}

#ifdef __linux__

// Defined in the program, so it comes before the C library's for every
// caller in it; the C library's is found past this one.
extern "C" int rename(const char* from, const char* to) noexcept {
    using Rename = int (*)(const char*, const char*);
    static const Rename system = reinterpret_cast<Rename>(::dlsym(RTLD_NEXT, "rename"));
    if (exitAt > 0 && --exitAt == 0) ::_exit(testing_support::kRenameExitStatus);
    if (failAt > 0 && --failAt == 0) {
        errno = EIO;
        return -1;
    }
    return system(from, to);
}

#endif
