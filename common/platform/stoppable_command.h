#pragma once

#include <functional>
#include <string>

// The platform half of RunCommand and RunCommandUntil (command.cpp): runs a
// command line through the command interpreter in a group of its own (a job
// object on Windows), so that the interpreter and everything it started can
// be ended together, and are ended when this program ends, however it ends.
// Returns the status std::system would, or kCommandStopped once
// `stopRequested` (which may be empty: never) answered true and the whole
// group has ended.
namespace platform::detail {

// With `errorLine`, what the command writes to standard error passes through
// this program on its way to this program's standard error, and the last
// line that begins with "ERROR: " is kept there.
int RunStoppableCommand(const char* commandLine, const std::function<bool()>& stopRequested,
                        std::string* errorLine = nullptr);

}  // namespace platform::detail
