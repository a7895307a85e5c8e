#include "painter/app/dialog_title.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "painter/app/dialog_controls.h"

namespace {

struct TitleCase {
    const char* path;
    char separator;
    const char* name;
};

TEST(DialogTitle, NamesTheParentOfTheWorkingFolder) {
    const TitleCase cases[] = {
        {"C:\\Levels\\Island\\paint", '\\', "Island"},
        {"D:\\paint", '\\', "D:"},
        {"D:\\", '\\', "D:"},
        // A trailing separator ends the last name: the working folder's own.
        {"C:\\Levels\\Island\\paint\\", '\\', "paint"},
        {"Z:\\tmp\\Fjord Valley\\work", '\\', "Fjord Valley"},
        // The other separator is part of a name.
        {"C:\\Levels\\a/b\\paint", '\\', "a/b"},
        {"/home/ann/Levels/Island/paint", '/', "Island"},
        {"/paint", '/', "/"},
        {"/", '/', "/"},
        {"paint", '/', "paint"},
    };
    for (const TitleCase& c : cases) {
        EXPECT_EQ(TitleFolderName(c.path, c.separator), c.name) << c.path;
        EXPECT_EQ(DialogTitle(c.path, c.separator),
                  std::string("Harrow's Marvane v0.33 - [") + c.name + "]")
            << c.path;
    }
}

TEST(DialogTitle, LongNamesAreCutSoTheTitleFits) {
    // A 600-character path whose level folder alone is longer than the title.
    const std::string level(300, 'L');
    std::string path = "C:\\" + std::string(200, 'x') + "\\" + level + "\\paint";
    path.resize(600, 'p');  // lengthen the working folder's own name
    ASSERT_EQ(path.size(), 600u);
    EXPECT_EQ(TitleFolderName(path, '\\'), level);
    const std::string title = DialogTitle(path, '\\');
    EXPECT_EQ(title.size(), kMaxTitleLength);
    EXPECT_EQ(title, "Harrow's Marvane v0.33 - [" + std::string(100, 'L') + "]");

    // The longest name that fits is kept whole; one byte more is cut.
    EXPECT_EQ(DialogTitle("/" + std::string(100, 'a') + "/w", '/').size(), kMaxTitleLength);
    EXPECT_EQ(DialogTitle("/" + std::string(101, 'a') + "/w", '/'),
              "Harrow's Marvane v0.33 - [" + std::string(100, 'a') + "]");
}

TEST(DialogTitle, ACutNeverSplitsAUtf8Character) {
    // 99 ASCII bytes, then a two-byte character straddling the 100-byte limit.
    const std::string name = std::string(99, 'a') + "\xC3\xA9" + "bc";
    const std::string title = DialogTitle("/levels/" + name + "/paint", '/');
    EXPECT_EQ(title, "Harrow's Marvane v0.33 - [" + std::string(99, 'a') + "]");
    // Fitting exactly, the character is kept.
    const std::string fits = std::string(98, 'a') + "\xC3\xA9";
    EXPECT_EQ(DialogTitle("/levels/" + fits + "/paint", '/'),
              "Harrow's Marvane v0.33 - [" + fits + "]");
}

TEST(DialogControls, EachBoxSetsItsOwnOption) {
    // The boxes come in a different order from the option fields: one box
    // checked at a time must set exactly its own field.
    struct Case {
        int checkedBox;
        JobOptions expected;
    };
    const Case cases[] = {
        {IdMirrorColour, {true, false, false}},
        {IdDeleteTemporaries, {false, true, false}},
        {IdPaintSurrounding, {false, false, true}},
        {IdGo, {false, false, false}},
    };
    for (const Case& c : cases) {
        const JobOptions options = OptionsFromBoxes([&](int id) { return id == c.checkedBox; });
        EXPECT_EQ(options.mirrorColour, c.expected.mirrorColour) << c.checkedBox;
        EXPECT_EQ(options.deleteTemporaries, c.expected.deleteTemporaries) << c.checkedBox;
        EXPECT_EQ(options.paintSurrounding, c.expected.paintSurrounding) << c.checkedBox;
    }
    const JobOptions all = OptionsFromBoxes([](int) { return true; });
    EXPECT_TRUE(all.mirrorColour && all.deleteTemporaries && all.paintSurrounding);
}

TEST(DialogControls, AJobSwitchesTheBoxesAndGoThenTheCursor) {
    for (bool enabled : {false, true}) {
        std::vector<std::string> calls;
        SwitchJobControls(
            enabled,
            [&](int id, bool on) { calls.push_back(std::to_string(id) + (on ? " on" : " off")); },
            [&](bool wait) { calls.push_back(wait ? "wait cursor" : "arrow cursor"); });
        const char* state = enabled ? " on" : " off";
        const std::vector<std::string> expected = {
            std::string("1000") + state, std::string("1002") + state, std::string("1001") + state,
            std::string("1004") + state, enabled ? "arrow cursor" : "wait cursor"};
        EXPECT_EQ(calls, expected);
    }
}

}  // namespace
