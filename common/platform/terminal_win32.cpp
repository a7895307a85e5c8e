#include <io.h>
#include <windows.h>

#include <cstdio>

#include "common/platform/terminal.h"

namespace platform {
namespace {

// A handle that leads somewhere: a file, a pipe or a console.
bool Usable(DWORD which) {
    const HANDLE handle = ::GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           ::GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}  // namespace

bool IsTerminal(std::FILE* stream) {
    // _isatty also says yes for the NUL device; only a console has a mode.
    const HANDLE handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream)));
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && ::GetConsoleMode(handle, &mode) != 0;
}

bool ReachStartingConsole() {
    // Redirected (a batch file's "> log.txt", a pipe): the streams work as
    // they are.
    if (Usable(STD_OUTPUT_HANDLE) && Usable(STD_ERROR_HANDLE)) return true;
    if (!::AttachConsole(ATTACH_PARENT_PROCESS)) return false;
    if (!Usable(STD_OUTPUT_HANDLE)) std::freopen("CONOUT$", "w", stdout);
    if (!Usable(STD_ERROR_HANDLE)) std::freopen("CONOUT$", "w", stderr);
    return true;
}

void KeepRunningWhenTerminalCloses() {}

}  // namespace platform
