#pragma once

namespace testing_support {

// Makes a call of rename() in this test program fail, to reach what a failed
// rename leaves behind: the count-th call from now (1 = the next) fails with
// EIO, every other one is the system's own; 0 disarms. Linux only: returns
// false where rename() cannot be replaced.
bool FailRenameCall(int count);

// Ends the program at once, with _exit(kRenameExitStatus), at the count-th
// call of rename() from now instead of making it: a kill between two
// renames, for a child process to suffer. 0 disarms; Linux only as above.
constexpr int kRenameExitStatus = 86;
bool ExitAtRenameCall(int count);

}  // namespace testing_support
