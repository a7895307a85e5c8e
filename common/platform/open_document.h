#pragma once

#include <string>

#include "common/status/status.h"

namespace platform {

// Opens a file in the program the desktop uses for its kind (a web page in
// the default browser): xdg-open on Linux, the shell's "open" on Windows.
// Returns as soon as that program was started, without waiting for it; a
// failure says why it could not be started.
Status OpenWithDefaultProgram(const std::string& path);

}  // namespace platform
