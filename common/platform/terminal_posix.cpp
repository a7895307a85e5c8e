#include <unistd.h>

#include <csignal>

#include "common/platform/terminal.h"

namespace platform {

bool IsTerminal(std::FILE* stream) { return ::isatty(::fileno(stream)) == 1; }

bool ReachStartingConsole() { return true; }

void KeepRunningWhenTerminalCloses() {
    // An ignored signal stays ignored across exec, so the interpreter and
    // the programs it runs go on too; writes to the closed terminal fail
    // quietly instead.
    std::signal(SIGHUP, SIG_IGN);
}

}  // namespace platform
