#pragma once

#include <string>
#include <vector>

// A window-system layer for tests: instead of showing anything it records
// each call as one text ("status: ...", "controls: off", "fatal: ..."), so a
// test can check what the user would have seen and in which order.
namespace recording_ui {

std::vector<std::string> Events();
void Clear();
// Tests add their own events (a command that ran, say) to the same record.
void Record(std::string event);

}  // namespace recording_ui
