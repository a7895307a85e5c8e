#pragma once

#include <string>

#include "common/status/status.h"

// The converter's command line: "-file IN.tga -output OUT.dds -u8888 -nomipmap",
// in any order. "-u8888" and "-nomipmap" name the only output there is
// (uncompressed 32-bit pixels, no mipmaps), so they are accepted and may be left out.
struct ConverterOptions {
    std::string input;   // -file
    std::string output;  // -output
};

// Fills options from argv[1..argc-1]. Fails, its message the reason alone
// (the caller says who refused), for an unknown option, an option without
// its value, -file or -output given twice, or -file or -output missing.
Status ParseConverterOptions(int argc, const char* const* argv, ConverterOptions& options);

// Printed, after the reason, when the command line is refused.
extern const char* const ConverterUsage;
// Printed after the usage for -h, --help or /?.
extern const char* const ConverterHelp;
