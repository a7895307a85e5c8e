#include <signal.h>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <thread>

#include "common/platform/platform.h"
#include "common/platform/stoppable_command.h"
#include "common/text/c_number.h"

extern char** environ;

namespace platform::detail {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::microseconds;

// The pause between two looks at the command grows from well under a
// millisecond, so that the many short converter runs end about when they
// would under std::system, to a few milliseconds for long splitter runs,
// which is still far quicker than anyone notices a stop.
class Backoff {
public:
    void Pause() {
        std::this_thread::sleep_for(pause_);
        pause_ = std::min(pause_ * 3 / 2, microseconds(5000));
    }

private:
    microseconds pause_{50};
};

// Reaps the interpreter if it has ended; true once it has been (or can no
// longer be waited for, when status is -1 as from std::system).
bool Reaped(pid_t pid, int& status) {
    for (;;) {
        const pid_t result = ::waitpid(pid, &status, WNOHANG);
        if (result == pid) return true;
        if (result == 0) return false;
        if (errno != EINTR) {
            status = -1;
            return true;
        }
    }
}

// Whether /proc/<pid>/stat describes a process of the group that has not
// ended: one that has ended stays a zombie until whoever adopted it reaps it,
// which may take a while, but it no longer touches any file.
bool RunsInGroup(const std::filesystem::path& statFile, pid_t group) {
    std::ifstream in(statFile);
    const std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // "pid (name) state parent group ...": the name may hold anything.
    const size_t nameEnd = stat.rfind(')');
    if (nameEnd == std::string::npos) return false;
    // Then the state letter, the parent's id and the group's id.
    const char* at = SkipCBlanks(stat.c_str() + nameEnd + 1);
    const char state = *at;
    long long parent = 0, processGroup = 0;
    if (state == '\0' || !(at = ReadCInteger(at + 1, parent)) ||
        !ReadCInteger(at, processGroup)) {
        return false;
    }
    return processGroup == group && state != 'Z' && state != 'X';
}

// Whether any process of the group still runs.
bool GroupRuns(pid_t group) {
    if (::kill(-group, 0) != 0 && errno == ESRCH) return false;
    std::error_code error;
    std::filesystem::directory_iterator process("/proc", error);
    if (error) return true;  // no /proc: every member counts, zombies too
    for (; process != std::filesystem::directory_iterator(); process.increment(error)) {
        if (error) return true;
        const std::string name = process->path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        if (RunsInGroup(process->path() / "stat", group)) return true;
    }
    return false;
}

// Ends the interpreter's whole group: politely first, so that the programs
// may close their files, then for certain. Returns once nothing of the group
// runs any more, so that the caller may remove what they were writing.
void EndGroup(pid_t group) {
    int status = 0;
    bool interpreterReaped = false;
    ::kill(-group, SIGTERM);
    const auto politeEnd = Clock::now() + std::chrono::seconds(2);
    Backoff backoff;
    while (Clock::now() < politeEnd) {
        if (!interpreterReaped) interpreterReaped = Reaped(group, status);
        if (interpreterReaped && !GroupRuns(group)) return;
        backoff.Pause();
    }
    ::kill(-group, SIGKILL);
    while (!interpreterReaped) {
        interpreterReaped = ::waitpid(group, &status, 0) == group || errno != EINTR;
    }
    // Nothing survives SIGKILL; its end takes a moment.
    const auto killedEnd = Clock::now() + std::chrono::seconds(5);
    while (GroupRuns(group) && Clock::now() < killedEnd) backoff.Pause();
}

}  // namespace

int RunStoppableCommand(const char* commandLine, const std::function<bool()>& stopRequested) {
    posix_spawnattr_t attributes;
    if (::posix_spawnattr_init(&attributes) != 0) return -1;
    // A process group of its own, led by the interpreter: one signal reaches
    // the interpreter and every program it started.
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    ::posix_spawnattr_setpgroup(&attributes, 0);
    char shell[] = "sh";
    char option[] = "-c";
    char* arguments[] = {shell, option, const_cast<char*>(commandLine), nullptr};
    pid_t pid = 0;
    const int spawnError =
        ::posix_spawn(&pid, "/bin/sh", nullptr, &attributes, arguments, environ);
    ::posix_spawnattr_destroy(&attributes);
    if (spawnError != 0) return -1;  // as std::system when no process could be made

    int status = 0;
    Backoff backoff;
    for (;;) {
        if (Reaped(pid, status)) {
            // The interpreter has ended; programs it left running in the
            // background are not waited for, as with std::system.
            return status;
        }
        if (stopRequested()) {
            EndGroup(pid);
            return CommandStopped;
        }
        backoff.Pause();
    }
}

}  // namespace platform::detail
