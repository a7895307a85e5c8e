#include "tests/support/rename_faults.h"

#include <atomic>

#ifdef __linux__
#include <dlfcn.h>

#include <cerrno>
#include <cstdio>
#endif

namespace testing_support {
namespace {

std::atomic<int> failAt{0};
std::atomic<int> calls{0};

}  // namespace

#ifdef __linux__

bool FailRenameCall(int count) {
    failAt = count;
    return true;
}

#else

bool FailRenameCall(int) { return false; }

#endif

int RenameCalls() { return calls; }

}  // namespace testing_support

#ifdef __linux__

// Defined in the program, so it comes before the C library's for every
// caller in it; the C library's is found past this one.
extern "C" int rename(const char* from, const char* to) noexcept {
    using Rename = int (*)(const char*, const char*);
    static const Rename system = reinterpret_cast<Rename>(::dlsym(RTLD_NEXT, "rename"));
    ++testing_support::calls;
    if (testing_support::failAt > 0 && --testing_support::failAt == 0) {
        errno = EIO;
        return -1;
    }
    return system(from, to);
}

#endif
