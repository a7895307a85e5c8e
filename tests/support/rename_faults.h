#pragma once

namespace testing_support {

// Makes a call of rename() in this test program fail, to reach what a failed
// rename leaves behind: the count-th call from now (1 = the next) fails with
// EIO, every other one is the system's own; 0 disarms. Linux only: returns
// false where rename() cannot be replaced.
bool FailRenameCall(int count);

}  // namespace testing_support
