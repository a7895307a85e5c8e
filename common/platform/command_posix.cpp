#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

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

// Passes on what the command writes to standard error to this program's own,
// as it comes, and keeps the last line that begins with "ERROR: ".
class ErrorRelay {
public:
    ErrorRelay(int descriptor, std::string* lastError) : fd_(descriptor), lastError_(lastError) {
        if (fd_ >= 0) ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) | O_NONBLOCK);
    }
    ~ErrorRelay() {
        if (fd_ >= 0) ::close(fd_);
    }
    ErrorRelay(const ErrorRelay&) = delete;
    ErrorRelay& operator=(const ErrorRelay&) = delete;

    bool Open() const { return fd_ >= 0; }

    // Passes on what is there now; true when there was something.
    bool Pass() {
        if (fd_ < 0) return false;
        char buffer[4096];
        const ssize_t count = ::read(fd_, buffer, sizeof buffer);
        if (count <= 0) return false;
        for (ssize_t written = 0; written < count;) {
            const ssize_t now = ::write(STDERR_FILENO, buffer + written,
                                        static_cast<size_t>(count - written));
            if (now <= 0 && errno != EINTR) break;
            if (now > 0) written += now;
        }
        lastError_.Feed(buffer, static_cast<std::size_t>(count));
        return true;
    }

    // What the command left once it has ended (not its background programs').
    void Drain() {
        while (Pass()) {
        }
        lastError_.Finish();
    }

private:
    int fd_;
    LastErrorLine lastError_;
};

// The process between this program and the interpreter, forked from this
// program and never exec'd: it leads the interpreter's group and watches
// the lifeline, whose other end only this program holds. When this program
// ends, whatever way (a kill -9 too), the system closes that end and the
// guard ends the whole group at once; otherwise it ends as the interpreter
// did. Only calls that are safe in the child of a threaded program.
// Runs the interpreter in this (forked) process; never returns.
[[noreturn]] void RunInterpreter(int errorOutput, const char* commandLine, char** environment) {
    char shell[] = "sh";
    char option[] = "-c";
    char* arguments[] = {shell, option, const_cast<char*>(commandLine), nullptr};
    if (errorOutput >= 0) ::dup2(errorOutput, STDERR_FILENO);
    ::execve("/bin/sh", arguments, environment);
    ::_exit(127);  // as std::system when the interpreter cannot be run
}

[[noreturn]] void GuardCommand(int lifeline, int errorOutput, const char* commandLine,
                               char** environment) {
    const pid_t interpreter = ::fork();
    if (interpreter < 0) ::_exit(127);
    if (interpreter == 0) RunInterpreter(errorOutput, commandLine, environment);
#ifdef SYS_pidfd_open
    const int ended = static_cast<int>(::syscall(SYS_pidfd_open, interpreter, 0));
#else
    const int ended = -1;
#endif
    int status = 0;
    long pauseMicroseconds = 50;
    for (;;) {
        struct pollfd watched[2] = {{lifeline, POLLIN, 0}, {ended, POLLIN, 0}};
        // Without a descriptor for the interpreter's end (an older kernel),
        // looks at it between short waits that grow as with Backoff.
        struct timespec pause = {0, pauseMicroseconds * 1000};
        const int ready = ::ppoll(watched, ended >= 0 ? 2 : 1, ended >= 0 ? nullptr : &pause,
                                  nullptr);
        if (ready > 0 && watched[0].revents != 0) {
            // This program has gone: nothing it started may outlive it.
            ::kill(-::getpid(), SIGKILL);
            ::_exit(128 + SIGKILL);
        }
        const pid_t result = ::waitpid(interpreter, &status, WNOHANG);
        if (result == interpreter) break;
        if (result < 0 && errno != EINTR) ::_exit(127);
        if (ended < 0 && pauseMicroseconds < 5000) pauseMicroseconds = pauseMicroseconds * 3 / 2;
    }
    if (WIFEXITED(status)) ::_exit(WEXITSTATUS(status));
    // Ended by a signal: end the same way, so that the caller sees the
    // status std::system would give.
    const int signal = WTERMSIG(status);
    struct sigaction standard{};
    standard.sa_handler = SIG_DFL;
    ::sigaction(signal, &standard, nullptr);
    sigset_t only;
    ::sigemptyset(&only);
    ::sigaddset(&only, signal);
    ::sigprocmask(SIG_UNBLOCK, &only, nullptr);
    ::kill(::getpid(), signal);
    ::_exit(128 + signal);
}

}  // namespace

int RunStoppableCommand(const char* commandLine, const std::function<bool()>& stopRequested,
                        std::string* errorLine) {
    // A program that itself runs as a guarded command (the splitter under
    // the painter) keeps its commands in the group its guard watches: the
    // guard, or a stop, then ends the whole tree at once, the converter
    // the splitter started included. Elsewhere each command gets a guard
    // and a group of its own, and its programs learn that they run so.
    static char guardedMark[] = "MARVANE_GUARDED_COMMAND=1";
    const char* mark = std::getenv("MARVANE_GUARDED_COMMAND");
    const bool nested = mark && *mark;
    std::vector<char*> environment;
    for (char** variable = environ; *variable; ++variable) environment.push_back(*variable);
    if (!nested) environment.push_back(guardedMark);
    environment.push_back(nullptr);

    int lifeline[2];
    if (::pipe2(lifeline, O_CLOEXEC) != 0) return -1;
    int errors[2] = {-1, -1};
    if (errorLine && ::pipe2(errors, O_CLOEXEC) != 0) errors[0] = errors[1] = -1;
    const pid_t guard = ::fork();
    if (guard == 0) {
        ::close(lifeline[1]);
        if (errors[0] >= 0) ::close(errors[0]);
        if (nested) RunInterpreter(errors[1], commandLine, environment.data());
        // A process group of its own, led by the guard: one signal reaches
        // the interpreter and every program it started.
        ::setpgid(0, 0);
        GuardCommand(lifeline[0], errors[1], commandLine, environment.data());
    }
    ::close(lifeline[0]);
    if (errors[1] >= 0) ::close(errors[1]);
    if (guard < 0) {
        ::close(lifeline[1]);
        if (errors[0] >= 0) ::close(errors[0]);
        return -1;  // as std::system when no process could be made
    }
    // Also from here, so that a stop asked for at once finds the group.
    if (!nested) ::setpgid(guard, guard);

    ErrorRelay relay(errors[0], errorLine);
    int status = 0;
    Backoff backoff;
    for (;;) {
        if (!stopRequested && !relay.Open()) {
            while (::waitpid(guard, &status, 0) < 0) {
                if (errno != EINTR) {
                    status = -1;
                    break;
                }
            }
            break;
        }
        if (Reaped(guard, status)) {
            // The interpreter has ended; programs it left running in the
            // background are not waited for, as with std::system.
            break;
        }
        if (stopRequested && stopRequested()) {
            if (nested) {
                // The group is the outer command's: only the interpreter.
                ::kill(guard, SIGKILL);
                while (::waitpid(guard, &status, 0) < 0 && errno == EINTR) {
                }
            } else {
                EndGroup(guard);
            }
            status = kCommandStopped;
            break;
        }
        if (!relay.Pass()) backoff.Pause();
    }
    relay.Drain();
    ::close(lifeline[1]);
    return status;
}

}  // namespace platform::detail
