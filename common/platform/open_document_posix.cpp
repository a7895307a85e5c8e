#include <spawn.h>

#include <cstring>

#include "common/platform/open_document.h"

extern char** environ;

namespace platform {

Status OpenWithDefaultProgram(const std::string& path) {
    // Started directly, not through the interpreter: the path stays one
    // argument whatever it holds. xdg-open is not waited for; it may stay
    // as long as the browser it started.
    char program[] = "xdg-open";
    char* arguments[] = {program, const_cast<char*>(path.c_str()), nullptr};
    pid_t pid = 0;
    const int error = ::posix_spawnp(&pid, program, nullptr, nullptr, arguments, environ);
    if (error != 0) {
        return Status::Failuref("ERROR: could not open %s in a browser: xdg-open: %s",
                                path.c_str(), std::strerror(error));
    }
    return Status();
}

}  // namespace platform
