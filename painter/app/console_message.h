#pragma once

// A fatal message for a painter without a window to show it in: written to
// standard error, ending with exactly one line break.
void PrintFatalMessage(const char* text);
