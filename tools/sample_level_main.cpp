// marvane_sample_level: writes a complete sample level for the painter,
// the same bytes for the same options on every platform.
#include <cstdio>
#include <cstring>
#include <exception>

#include "tools/arguments.h"
#include "tools/level_writer.h"

int main(int argc, char** argv) {
    using namespace sample_level;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    LevelOptions options;
    if (Status parsed = ParseArguments(argc - 1, argv + 1, options); !parsed.ok()) {
        std::fprintf(stderr, "%s\n%s", parsed.message().c_str(), kUsage);
        return 2;
    }
    try {
        if (Status written = WriteLevel(options); !written.ok()) {
            std::fprintf(stderr, "%s\n", written.message().c_str());
            return 1;
        }
    } catch (const std::exception& error) {  // out of memory for a huge level
        std::fprintf(stderr, "ERROR: %s\n", error.what());
        return 1;
    }
    std::printf(
        "Sample level (primary %d, secondary %d, seed %llu) written to \"%s\";\n"
        "run the painter in \"%s/paint\".\n",
        options.primarySide, options.secondarySide, static_cast<unsigned long long>(options.seed),
        options.out.c_str(), options.out.c_str());
    return 0;
}
