#pragma once

// What the painter says about itself for -h, --help, /? and --version, and
// on standard error when it has neither its options nor a dialog to ask.
extern const char* const PainterUsage;
extern const char* const PainterVersion;

enum class InfoRequest { None, Help, Version };

// Whether the command line asks for the usage or the version instead of a
// job: exactly one of -h, --help, /? or --version, blanks around it allowed.
InfoRequest InfoRequestOf(const char* commandLine);

// The usage or the version, asked for on the command line: to standard
// output; on Windows, when the painter was not started from a console and
// its output goes nowhere, in a box instead.
void ShowInformation(const char* text);
