#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The few operating-system services the painter and the splitter need, behind
// one small interface with a POSIX and a Win32 implementation.
namespace platform {

// Creates a folder in the current folder. Returns false when it could not be
// created (it may already exist); callers that don't care ignore the result.
bool MakeFolder(const char* path);

// Deletes a file; a missing file is not an error.
void RemoveFile(const char* path);

// A clock in milliseconds for elapsed-time reports; only differences count.
std::int64_t MillisecondClock();

// The full path of the current folder, with the platform's separators.
std::string CurrentFolder();

// The folder that holds the running program, or "" when it cannot be found.
std::string ExecutableFolder();

// Puts a folder at the front of PATH, so that commands started through the
// command interpreter find the programs installed beside this one first.
void PutFolderFirstOnPath(const std::string& folder);

// Runs a command line through the command interpreter and waits until it
// ends. Returns the interpreter's status, which callers are free to ignore.
// The command and every program it starts end when this program ends, also
// when it is killed.
int RunCommand(const char* commandLine);

// What RunCommandUntil returns for a command it ended because it was asked to.
constexpr int kCommandStopped = -2;

// Runs a command line like RunCommand, asking `stopRequested` every few
// milliseconds while it runs; when that answers true, the command and every
// program it started are ended and kCommandStopped is returned.
// With `errorLine`, also keeps there the last line the command wrote to
// standard error that begins with "ERROR: " (its standard error still
// reaches this program's), so that a caller can repeat why it failed.
int RunCommandUntil(const char* commandLine, const std::function<bool()>& stopRequested,
                    std::string* errorLine = nullptr);

// Bytes of physical memory this machine has, or 0 when it cannot be told.
std::uint64_t PhysicalMemoryBytes();

// Something that runs a command line and returns its status: RunCommand, or
// a test's stand-in that records the commands a caller would run. Callers
// that run commands take one from their own caller.
using CommandRunner = int (*)(const char* commandLine);

}  // namespace platform
