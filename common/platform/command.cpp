#include "common/platform/platform.h"
#include "common/platform/stoppable_command.h"

#include <cstdio>

namespace platform {

// As std::system, but the command and everything it starts end with this
// program, however it ends: no converter goes on writing into a folder that
// the next job already uses.
int RunCommand(const char* commandLine) {
    // Whatever this program printed must come before what the command prints.
    std::fflush(nullptr);
    return detail::RunStoppableCommand(commandLine, nullptr);
}

int RunCommandUntil(const char* commandLine, const std::function<bool()>& stopRequested,
                    std::string* errorLine) {
    if (errorLine) errorLine->clear();
    if (stopRequested && stopRequested()) return kCommandStopped;
    std::fflush(nullptr);
    return detail::RunStoppableCommand(commandLine, stopRequested, errorLine);
}

}  // namespace platform
