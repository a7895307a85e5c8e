#pragma once

#include <cstdlib>
#include <string>

namespace testing_support {

// Sets MARVANE_THREADS (the painter's worker count) for the life of the
// object and puts back what was there before, so tests can compare one
// thread against several.
class ScopedThreadCount {
public:
    explicit ScopedThreadCount(const char* count) {
        if (const char* old = std::getenv("MARVANE_THREADS")) {
            hadOld_ = true;
            old_ = old;
        }
        Set(count);
    }
    ~ScopedThreadCount() { Set(hadOld_ ? old_.c_str() : nullptr); }
    ScopedThreadCount(const ScopedThreadCount&) = delete;
    ScopedThreadCount& operator=(const ScopedThreadCount&) = delete;

private:
    static void Set(const char* value) {
#ifdef _WIN32
        _putenv((std::string("MARVANE_THREADS=") + (value ? value : "")).c_str());
#else
        if (value) {
            setenv("MARVANE_THREADS", value, 1);
        } else {
            unsetenv("MARVANE_THREADS");
        }
#endif
    }

    bool hadOld_ = false;
    std::string old_;
};

}  // namespace testing_support
