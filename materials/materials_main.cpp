// marvane_materials: makes a level's material set from rules in metres and
// degrees and from the author's own pictures, checks it, and reports it.
#include <cstdio>
#include <new>

#include "materials/tool_options.h"
#include "materials/tool_run.h"

int main(int argc, char** argv) {
    MaterialsOptions options;
    MaterialsAction action = MaterialsAction::Run;
    const Status parsed = ParseMaterialsOptions(argc - 1, argv + 1, options, action);
    if (!parsed.ok()) {
        std::fprintf(stderr, "%s\n%s", parsed.message().c_str(), MaterialsUsage().c_str());
        return 2;
    }
    if (action == MaterialsAction::Help) {
        std::fputs(MaterialsUsage().c_str(), stdout);
        return 0;
    }
    if (action == MaterialsAction::Version) {
        std::puts("marvane_materials " MARVANE_VERSION);
        return 0;
    }
    try {
        return materials::RunMaterials(options, stdout, stderr);
    } catch (const std::bad_alloc&) {
        std::fputs("ERROR: not enough memory for the material set; nothing was written\n", stderr);
        return 1;
    }
}
