#pragma once

#include "common/status/status.h"

// Converts a TGA file into an uncompressed 32-bit DDS file without mipmaps,
// picture upright. A failure's message, "ERROR: reading <input> (<why>)" or
// "ERROR: writing <output> (<why>)", is what nvdxt shows; the output file is
// then as it was before.
Status ConvertTgaToDds(const char* input, const char* output);

// The whole converter program: options, conversion, messages. Returns the
// exit status: 0 done, 1 the input could not be read or the output written,
// 2 the command line was refused (after printing the usage text).
int RunConverter(int argc, const char* const* argv);
