// marvane_import: brings a heightmap into a level for the painter.
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "importer/import.h"
#include "importer/import_options.h"

int main(int argc, char** argv) {
    ImportOptions options;
    OptionsAction action = OptionsAction::Import;
    const Status parsed = ParseImportOptions(argc - 1, argv + 1, options, action);
    if (!parsed.ok()) {
        std::fprintf(stderr, "%s\n%s", parsed.message().c_str(), ImportUsage().c_str());
        return 2;
    }
    if (action == OptionsAction::Help) {
        std::fputs(ImportUsage().c_str(), stdout);
        return 0;
    }
    if (action == OptionsAction::Version) {
        std::puts("marvane_import " MARVANE_VERSION);
        return 0;
    }
    std::vector<std::string> report;
    Status imported;
    try {
        imported = RunImport(options, report);
    } catch (const std::bad_alloc&) {
        imported = Status::Failure("ERROR: " + options.input + ": not enough memory to import it");
    }
    // A failed import's report holds at most the line saying that a write
    // ended half-way was completed or undone.
    for (const std::string& line : report) std::puts(line.c_str());
    if (!imported.ok()) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s\n", imported.message().c_str());
        return 1;
    }
    return 0;
}
