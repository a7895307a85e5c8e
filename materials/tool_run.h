#pragma once

#include <cstdio>

#include "materials/tool_options.h"

namespace materials {

// One run of marvane_materials: checks, writes and reports as the options
// ask, printing to `out` (what was done, the report, notes and warnings)
// and `err` (failures). Gives the exit status: 0 done, 1 a failure or a
// set that --check finds the painter would refuse or paint wrong, 2 rules
// that cannot be read.
int RunMaterials(const MaterialsOptions& options, std::FILE* out, std::FILE* err);

}  // namespace materials
