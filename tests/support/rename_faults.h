#pragma once

namespace testing_support {

// Makes the calls of rename() in this test program fail on demand, to reach
// what a failed rename leaves behind: the count-th call from now (1 = the
// next) fails with EIO, every other one is the system's own. 0 disarms.
// Returns false where rename cannot be replaced (Windows): the test should
// then skip.
bool FailRenameCall(int count);

// The calls of rename() made since the program started.
int RenameCalls();

}  // namespace testing_support
