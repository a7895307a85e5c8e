#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/platform/platform.h"
#include "common/platform/stoppable_command.h"

namespace platform::detail {
namespace {

// How long the wait for the interpreter lasts before `stopRequested` is asked
// again. The wait ends at once when the interpreter does, so a short command
// is not held up by it.
constexpr DWORD kStopPollMilliseconds = 5;
// How long ended programs may take to go before the caller goes on anyway.
constexpr DWORD kEndTimeLimitMilliseconds = 5000;

class OwnedHandle {
public:
    explicit OwnedHandle(HANDLE handle = nullptr) : handle_(handle) {}
    ~OwnedHandle() {
        if (handle_ && handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    HANDLE get() const { return handle_; }
    HANDLE* put() { return &handle_; }
    void reset() {
        if (handle_ && handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
        handle_ = nullptr;
    }

private:
    HANDLE handle_;
};

// The interpreter gets this program's standard handles, as under
// std::system: a redirected standard error (a log of a batch run) receives
// the converter's messages too. Inheritable copies, whatever the originals.
struct StandardHandles {
    OwnedHandle input, output, error;
    bool any = false;

    StandardHandles() {
        Copy(STD_INPUT_HANDLE, input);
        Copy(STD_OUTPUT_HANDLE, output);
        Copy(STD_ERROR_HANDLE, error);
    }

private:
    void Copy(DWORD which, OwnedHandle& copy) {
        const HANDLE original = ::GetStdHandle(which);
        if (!original || original == INVALID_HANDLE_VALUE) return;
        if (::DuplicateHandle(::GetCurrentProcess(), original, ::GetCurrentProcess(), copy.put(), 0,
                              TRUE, DUPLICATE_SAME_ACCESS)) {
            any = true;
        } else {
            *copy.put() = nullptr;
        }
    }
};

// Passes on what the command writes to standard error to this program's own,
// as it comes, and keeps the last line that begins with "ERROR: ". Reads only
// what is there, so a program the command left running in the background,
// which still holds the pipe, never holds this program up.
class ErrorRelay {
public:
    explicit ErrorRelay(std::string* lastError) : lastError_(lastError) {
        if (!lastError) return;
        // The interpreter inherits the end it writes to; this end stays here.
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        if (!::CreatePipe(read_.put(), write_.put(), &inherited, 0) ||
            !::SetHandleInformation(read_.get(), HANDLE_FLAG_INHERIT, 0)) {
            read_.reset();
            write_.reset();
        }
    }

    bool Open() const { return read_.get() != nullptr; }
    // The end the interpreter writes to, or null.
    HANDLE ChildEnd() const { return write_.get(); }
    // Once the interpreter has its copy: only the programs hold the pipe open.
    void CloseChildEnd() { write_.reset(); }

    // Passes on what is there now; true when there was something.
    bool Pass() {
        DWORD available = 0;
        if (!Open() || !::PeekNamedPipe(read_.get(), nullptr, 0, nullptr, &available, nullptr) ||
            available == 0) {
            return false;
        }
        char buffer[4096];
        DWORD count = 0;
        if (!::ReadFile(read_.get(), buffer, std::min<DWORD>(available, sizeof buffer), &count,
                        nullptr) ||
            count == 0) {
            return false;
        }
        const HANDLE error = ::GetStdHandle(STD_ERROR_HANDLE);
        for (DWORD written = 0, now = 0; written < count; written += now) {
            if (!error || error == INVALID_HANDLE_VALUE ||
                !::WriteFile(error, buffer + written, count - written, &now, nullptr) || now == 0) {
                break;  // nowhere to show it: still kept below
            }
        }
        lastError_.Feed(buffer, count);
        return true;
    }

    // What the command left once it has ended (not its background programs').
    void Drain() {
        while (Pass()) {
        }
        lastError_.Finish();
    }

private:
    LastErrorLine lastError_;
    OwnedHandle read_, write_;
};

// Whether any program of the job still runs; false when that cannot be told.
bool JobRuns(HANDLE job) {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
    if (!::QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &accounting,
                                     sizeof accounting, nullptr)) {
        return false;
    }
    return accounting.ActiveProcesses > 0;
}

// Ends the interpreter and every program it started, and returns once they
// are gone (within a time limit), so that the caller may remove what they
// were writing.
void EndAll(HANDLE job, bool inJob, HANDLE interpreter) {
    if (inJob) {
        ::TerminateJobObject(job, 1);
    } else {
        ::TerminateProcess(interpreter, 1);
    }
    const ULONGLONG end = ::GetTickCount64() + kEndTimeLimitMilliseconds;
    ::WaitForSingleObject(interpreter, kEndTimeLimitMilliseconds);
    while (inJob && JobRuns(job) && ::GetTickCount64() < end) ::Sleep(kStopPollMilliseconds);
}

// The status the interpreter ends with when it could not start the program
// a command names.
constexpr int kNotStarted = 9009;
// How often a command whose program exists but could not be started is run.
constexpr int kStartAttempts = 3;

// Whether the program a command line starts with is a program file on the
// search path (its name as given, or with ".exe").
bool ProgramExists(const char* commandLine) {
    std::string name(commandLine);
    name = name.substr(0, name.find_first_of(" \t"));
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"') {
        name = name.substr(1, name.size() - 2);
    }
    if (name.empty() || name.find_first_of("<>|&\"") != std::string::npos) return false;
    char found[MAX_PATH];
    return ::SearchPathA(nullptr, name.c_str(), ".exe", MAX_PATH, found, nullptr) > 0;
}

int RunOnce(const char* commandLine, const std::function<bool()>& stopRequested,
            std::string* errorLine) {
    // The interpreter std::system uses, with the same command line.
    const char* comspec = std::getenv("ComSpec");
    const bool named = comspec && *comspec;
    std::string line;
    if (named) {
        line.append("\"").append(comspec).append("\"");
    } else {
        line.append("cmd.exe");
    }
    line.append(" /c ").append(commandLine);
    std::vector<char> mutableLine(line.begin(), line.end());
    mutableLine.push_back('\0');

    // Everything the interpreter starts joins its job: one call ends them all.
    // The job ends them too when its last handle closes, which the system
    // does when this program ends, however it ends: nothing it started
    // outlives it. (Programs the command leaves running in the background
    // end when the command returns.)
    OwnedHandle job(::CreateJobObjectW(nullptr, nullptr));
    if (job.get()) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        ::SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits,
                                  sizeof limits);
    }
    StandardHandles standard;
    ErrorRelay relay(errorLine);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (standard.any || relay.Open()) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = standard.input.get();
        startup.hStdOutput = standard.output.get();
        startup.hStdError = relay.Open() ? relay.ChildEnd() : standard.error.get();
    }
    PROCESS_INFORMATION started{};
    // Suspended until it is in the job, so that nothing it starts escapes.
    if (!::CreateProcessA(named ? comspec : nullptr, mutableLine.data(), nullptr, nullptr, TRUE,
                          CREATE_SUSPENDED, nullptr, nullptr, &startup, &started)) {
        return -1;  // as std::system when the interpreter cannot be started
    }
    OwnedHandle interpreter(started.hProcess);
    OwnedHandle thread(started.hThread);
    relay.CloseChildEnd();
    // Without a job (none could be made), a stop ends the interpreter only.
    const bool inJob = job.get() && ::AssignProcessToJobObject(job.get(), interpreter.get());
    ::ResumeThread(thread.get());

    // Looked at every few milliseconds when there is a stop to ask for or
    // standard error to pass on; else only its end is waited for.
    const DWORD pause = stopRequested || relay.Open() ? kStopPollMilliseconds : INFINITE;
    for (;;) {
        const DWORD waited = ::WaitForSingleObject(interpreter.get(), relay.Pass() ? 0 : pause);
        if (waited == WAIT_OBJECT_0) {
            relay.Drain();
            DWORD exitCode = 0;
            if (!::GetExitCodeProcess(interpreter.get(), &exitCode)) return -1;
            return static_cast<int>(exitCode);
        }
        if (waited != WAIT_TIMEOUT) return -1;
        if (stopRequested && stopRequested()) {
            EndAll(job.get(), inJob, interpreter.get());
            relay.Drain();
            return kCommandStopped;
        }
    }
}

}  // namespace

int RunStoppableCommand(const char* commandLine, const std::function<bool()>& stopRequested,
                        std::string* errorLine) {
    // Wine's interpreter now and then fails to start a program that is
    // there ("Can't recognize ..."), under load, while the same command
    // runs the next moment: such a command is run again, a few times. A
    // program that is missing is not looked for again.
    for (int attempt = 1;; ++attempt) {
        const int status = RunOnce(commandLine, stopRequested, errorLine);
        if (status != kNotStarted || attempt == kStartAttempts || !ProgramExists(commandLine)) {
            return status;
        }
        if (stopRequested && stopRequested()) return kCommandStopped;
        ::Sleep(100);
    }
}

}  // namespace platform::detail
