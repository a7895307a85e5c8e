#pragma once

#include <functional>

// The platform half of RunCommandUntil (command.cpp): runs a command line
// through the command interpreter in a group of its own, so that the
// interpreter and everything it started can be ended together. Returns the
// status std::system would, or CommandStopped once `stopRequested` answered
// true and the whole group has ended.
namespace platform::detail {

int RunStoppableCommand(const char* commandLine, const std::function<bool()>& stopRequested);

}  // namespace platform::detail
