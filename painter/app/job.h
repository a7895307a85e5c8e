#pragma once

#include "painter/app/job_context.h"
#include "painter/app/job_options.h"

enum class JobResult { Completed, Failed, Stopped };

// Runs one painting job from the terrain settings to the tiles, in the
// current (working) folder. Never throws: a failure is shown to the user
// through the context, and every path ends with the window's controls
// enabled again. A job whose context says a stop is wanted stops at its next
// band or map and removes the files it was writing.
JobResult RunJob(JobOptions options, const JobContext& context);
