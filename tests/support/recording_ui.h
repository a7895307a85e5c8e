#pragma once

#include <functional>
#include <string>
#include <vector>

#include "painter/app/job_context.h"
#include "painter/app/ui.h"

// A window-system layer for tests: instead of showing anything it records
// each call as one text ("status: ...", "controls: off", "fatal: ..."), so a
// test can check what the user would have seen and in which order.
namespace recording_ui {

std::vector<std::string> Events();
void Clear();
// Tests add their own events (a command that ran, say) to the same record.
void Record(std::string event);

// A job's window that records as the layer does: "status: ...",
// "controls: on|off", "fatal: ...".
JobWindow Window();

// What the user does while RunOptionsDialog "shows" the dialog: the function
// runs on the calling thread between "dialog: shown" and "dialog: closed",
// with what the program lent the dialog. Without one the dialog closes at
// once. Clear() removes it.
void SetDialogScript(std::function<void(const DialogHost&)> script);

// Called with each event right after it is recorded, on the thread that
// recorded it: a test can hold a job at a chosen step. Clear() removes it.
void SetEventHook(std::function<void(const std::string&)> hook);

}  // namespace recording_ui
