#pragma once

#include "painter/app/job_options.h"

enum class JobResult { Completed, Failed };

// Runs one painting job from the terrain settings to the tiles, in the
// current (working) folder. Never throws: a failure is shown to the user,
// and every path ends with the dialog's controls enabled again.
JobResult RunJob(JobOptions options);
