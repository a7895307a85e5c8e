#pragma once

#include <optional>

#include "painter/app/job_options.h"

// Reads "-mirror %d -surround %d -deltemps %d" the way scanf would: the three
// words in this order, blanks where the format has them, anything after the
// third number ignored. A flag is on exactly when its number is 1. Returns
// nothing when the line does not give all three numbers.
std::optional<JobOptions> ParseCommandLine(const char* commandLine);
