#pragma once

// A fatal message for a painter without a window to show it in: written to
// standard error, ending with exactly one line break.
void PrintFatalMessage(const char* text);

// The usage or the version, asked for on the command line: to standard
// output; on Windows, when the painter was not started from a console and
// its output goes nowhere, in a box instead.
void ShowInformation(const char* text);
