#include "common/platform/platform.h"
#include "common/platform/stoppable_command.h"

#include <cstdio>

namespace platform {
namespace {

// As std::system, but the command and everything it starts end with this
// program, however it ends: no converter goes on writing into a folder that
// the next job already uses.
int RunThroughInterpreter(const char* commandLine) {
    // Whatever this program printed must come before what the command prints.
    std::fflush(nullptr);
    return detail::RunStoppableCommand(commandLine, nullptr);
}

CommandRunner currentRunner = RunThroughInterpreter;

}  // namespace

int RunCommand(const char* commandLine) { return currentRunner(commandLine); }

int RunCommandUntil(const char* commandLine, const std::function<bool()>& stopRequested,
                    std::string* errorLine) {
    if (errorLine) errorLine->clear();
    if (stopRequested && stopRequested()) return kCommandStopped;
    // A runner that tests put in place sees this command as any other.
    if (currentRunner != RunThroughInterpreter) return RunCommand(commandLine);
    std::fflush(nullptr);
    return detail::RunStoppableCommand(commandLine, stopRequested, errorLine);
}

CommandRunner ReplaceCommandRunner(CommandRunner runner) {
    CommandRunner previous = currentRunner;
    currentRunner = runner ? runner : RunThroughInterpreter;
    return previous;
}

}  // namespace platform
