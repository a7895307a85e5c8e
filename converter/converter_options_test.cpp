#include "converter/converter_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct OptionsCase {
    std::vector<const char*> arguments;  // after the program name
    bool accepted;
    const char* input;
    const char* output;
    const char* reason;
};

TEST(ConverterOptions, AcceptsTheOptionsInAnyOrderAndRefusesTheRest) {
    const OptionsCase cases[] = {
        {{"-file", "a.tga", "-output", "b.dds", "-u8888", "-nomipmap"}, true, "a.tga", "b.dds", ""},
        {{"-nomipmap", "-output", "maps/b.dds", "-u8888", "-file", "a.tga"},
         true,
         "a.tga",
         "maps/b.dds",
         ""},
        {{"-output", "b.dds", "-file", "a.tga"}, true, "a.tga", "b.dds", ""},
        {{}, false, "", "", "-file is missing"},
        {{"-file", "a.tga", "-u8888"}, false, "", "", "-output is missing"},
        {{"-output", "b.dds"}, false, "", "", "-file is missing"},
        {{"-file", "a.tga", "-output"}, false, "", "", "-output needs a file name"},
        {{"-file", "a.tga", "-output", "b.dds", "-dxt5"}, false, "", "", "unknown option -dxt5"},
        {{"-file", "a.tga", "-output", "b.dds", "extra"}, false, "", "", "unknown option extra"},
        {{"-file", "a.tga", "-file", "c.tga", "-output", "b.dds"},
         false,
         "",
         "",
         "-file given twice"},
        // Options are matched exactly, as the callers spell them.
        {{"-FILE", "a.tga", "-output", "b.dds"}, false, "", "", "unknown option -FILE"},
    };
    for (const OptionsCase& c : cases) {
        std::vector<const char*> argv = {"nvdxt"};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
        std::string trace;
        for (const char* a : argv) trace += std::string(a) + " ";
        SCOPED_TRACE(trace);

        ConverterOptions options;
        const Status parsed =
            ParseConverterOptions(static_cast<int>(argv.size()), argv.data(), options);
        EXPECT_EQ(parsed.ok(), c.accepted);
        if (c.accepted) {
            EXPECT_EQ(options.input, c.input);
            EXPECT_EQ(options.output, c.output);
        } else {
            EXPECT_EQ(parsed.message(), c.reason);
        }
    }
}

}  // namespace
