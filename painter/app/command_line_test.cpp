#include "painter/app/command_line.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct CommandLineCase {
    const char* text;
    bool runsJob;
    bool mirror, surround, deltemps;
};

void PrintTo(const CommandLineCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class CommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, ReadsTheOptionsLikeTheScanFormat) {
    const CommandLineCase& c = GetParam();
    const auto options = ParseCommandLine(c.text);
    ASSERT_EQ(options.has_value(), c.runsJob) << "\"" << c.text << "\"";
    if (!options) return;
    EXPECT_EQ(options->mirrorColour, c.mirror);
    EXPECT_EQ(options->paintSurrounding, c.surround);
    EXPECT_EQ(options->deleteTemporaries, c.deltemps);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLineTest,
    ::testing::Values(
        CommandLineCase{"-mirror 1 -surround 0 -deltemps 1", true, true, false, true},
        CommandLineCase{"-mirror 0 -surround 1 -deltemps 0", true, false, true, false},
        // Any number but 1 means off.
        CommandLineCase{"-mirror 2 -surround 1 -deltemps 1", true, false, true, true},
        CommandLineCase{"-mirror -1 -surround +1 -deltemps 01", true, false, true, true},
        CommandLineCase{"-mirror 99999999999999999999 -surround 1 -deltemps 1", true, false, true, true},
        // Blanks: any run where the format has one, also none; none before the first word.
        CommandLineCase{"-mirror   1\t-surround\n1    -deltemps 1", true, true, true, true},
        CommandLineCase{"-mirror1-surround1-deltemps1", true, true, true, true},
        CommandLineCase{" -mirror 1 -surround 1 -deltemps 1", false, false, false, false},
        // Anything after the third number is ignored.
        CommandLineCase{"-mirror 1 -surround 1 -deltemps 1 -verbose", true, true, true, true},
        CommandLineCase{"-mirror 1 -surround 1 -deltemps 1x", true, true, true, true},
        // Fewer than three numbers: no job (the dialog's case).
        CommandLineCase{"-mirror 1 -surround 1", false, false, false, false},
        CommandLineCase{"-mirror 1 -surround 1 -deltemps", false, false, false, false},
        CommandLineCase{"-mirror 1 -surround x -deltemps 1", false, false, false, false},
        CommandLineCase{"", false, false, false, false},
        // The words in this order and this case only.
        CommandLineCase{"-surround 1 -mirror 1 -deltemps 1", false, false, false, false},
        CommandLineCase{"-Mirror 1 -surround 1 -deltemps 1", false, false, false, false}));

TEST(CommandLine, NoTextIsNoJob) { EXPECT_FALSE(ParseCommandLine(nullptr).has_value()); }

}  // namespace
