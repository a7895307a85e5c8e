#include "materials/tool_options.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

Status Parse(std::vector<const char*> arguments, MaterialsOptions& options) {
    MaterialsAction action = MaterialsAction::Run;
    return ParseMaterialsOptions(static_cast<int>(arguments.size()), arguments.data(), options,
                                 action);
}

TEST(MaterialsOptions, RulesFileIsOptional) {
    const struct {
        std::vector<const char*> arguments;
        const char* rules;
    } cases[] = {
        {{"--rules"}, ""},
        {{"--rules", "--report"}, ""},
        {{"--rules", "mine.txt"}, "mine.txt"},
        {{"--rules=../r.txt", "--dir", "paint"}, "../r.txt"},
    };
    for (const auto& c : cases) {
        MaterialsOptions options;
        ASSERT_TRUE(Parse(c.arguments, options).ok()) << c.arguments[0];
        ASSERT_TRUE(options.rules.has_value());
        EXPECT_EQ(*options.rules, c.rules);
    }
}

TEST(MaterialsOptions, RefusesWhatCannotGoTogether) {
    const struct {
        std::vector<const char*> arguments;
        const char* message;
    } cases[] = {
        {{}, "ERROR: nothing to do"},
        {{"--ground-size", "4"}, "ERROR: --ground-size goes with a picture"},
        {{"--low", "a.jpg", "--ground-size", "0"}, "ERROR: --ground-size takes the metres"},
        {{"--low", "a.jpg", "--ground-size", "4,5"}, "ERROR: --ground-size takes the metres"},
        {{"--look", "tropical"}, "ERROR: --look tropical: no such look; there are temperate"},
        {{"--look", "desert", "--rules"}, "ERROR: --look writes rules of its own"},
        {{"--force", "--report"}, "ERROR: --force goes with --look"},
        {{"--check=yes"}, "ERROR: --check takes no value"},
        {{"--low"}, "ERROR: --low needs a value"},
        {{"--colour", "x"}, "ERROR: unknown option --colour"},
    };
    for (const auto& c : cases) {
        MaterialsOptions options;
        const Status status = Parse(c.arguments, options);
        EXPECT_EQ(status.code(), 2);
        EXPECT_EQ(status.message().rfind(c.message, 0), 0u) << status.message();
    }
}

}  // namespace
