#include "painter/app/job.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <new>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "common/platform/platform.h"
#include "painter/app/dialog_jobs.h"
#include "painter/app/report.h"
#include "painter/app/worker_threads.h"
#include "tests/support/paint_test_files.h"
#include "tests/support/recording_ui.h"
#include "tests/support/temp_folder.h"

namespace fs = std::filesystem;
using testing_support::ReadFileBytes;
using testing_support::TempWorkingFolder;
using testing_support::WriteFileBytes;

namespace {

const char* const kTemporaries[] = {"detailbig.tga", "colourbig.tga", "ctemp.tga", "dtemp.tga"};
const char* const kSurrounding[] = {"L1D1", "D1", "R1D1", "R1", "R1U1", "U1", "L1U1", "L1"};

// What a command does in a test: recorded, with the temporary files that
// exist at that moment, and optionally a failure of another kind than text,
// or an exit status of 1 for the commands that begin with failingCommand.
bool commandThrowsBadAlloc = false;
std::string failingCommand;
int RecordCommand(const char* commandLine) {
    std::string event = std::string("run: ") + commandLine;
    for (const char* name : kTemporaries) {
        if (fs::exists(name)) event += std::string(" [") + name + "]";
    }
    recording_ui::Record(event);
    if (commandThrowsBadAlloc) throw std::bad_alloc();
    return !failingCommand.empty() && std::string(commandLine).rfind(failingCommand, 0) == 0;
}

// A small level: 5 x 5 primary samples (maps of 16 x 16 texels), eight
// 3 x 3 surrounding maps, and the painter's working folder "paint" inside
// it, which is the current folder during the test.
class JobTest : public ::testing::Test {
protected:
    void SetUp() override {
        recording_ui::Clear();
        commandThrowsBadAlloc = false;
        failingCommand.clear();
        fs::current_path(level_.path());
        WriteFileBytes("Heightdata.con",
                       "terrain.setName island\r\n"
                       "heightmap.setSize 5\r\nheightmap.setScale 2/0.003\r\n"
                       "heightmap.setSize 3\r\nheightmap.setScale 2/0.5\r\n");
        std::string primary;
        for (int i = 0; i < 25; ++i)
            primary += {static_cast<char>(i * 37), static_cast<char>(i * 11)};
        WriteFileBytes("HeightmapPrimary.raw", primary);
        for (const char* name : kSurrounding) {
            WriteFileBytes(std::string("HeightmapSecondary_") + name + ".raw",
                           "\x10\x20\x30\x40\x50\x60\x70\x80\x90");
        }
        fs::create_directory("paint");
        fs::current_path("paint");
        paint_test::WriteMaterialSet();
        ASSERT_TRUE(log_.Open("log.txt"));
    }
    void TearDown() override { log_.Close(); }
    static void MakeTemporaries() {
        for (const char* name : kTemporaries) WriteFileBytes(name, "x");
    }
    // The log, with the elapsed time of "Completed" made comparable.
    static std::vector<std::string> LogLines() {
        std::vector<std::string> lines = testing_support::ReadLines("log.txt");
        for (std::string& line : lines) {
            line = std::regex_replace(line, std::regex(R"(^Completed \([0-9]+\.[0-9]{4}s\)$)"),
                                      "Completed (TIME)");
        }
        return lines;
    }
    static std::vector<std::string> Events() {
        std::vector<std::string> events = recording_ui::Events();
        for (std::string& event : events) {
            event = std::regex_replace(event, std::regex(R"(Completed \([0-9]+\.[0-9]{4}s\))"),
                                       "Completed (TIME)");
        }
        return events;
    }

    // A job as the command line runs it, showing itself to the recorder.
    JobResult Run(JobOptions options) {
        return RunJob(options, JobContext{log_, nullptr, recording_ui::Window(), nullptr, true,
                                          RecordCommand});
    }
    // A job as the dialog runs it, on a thread of its own.
    bool StartFromDialog(JobOptions options) {
        return StartDialogJob(dialogThreads_, log_, RecordCommand, options, recording_ui::Window());
    }

    TempWorkingFolder level_;
    Log log_;
    WorkerThreads dialogThreads_;
};

const std::string kReadPrimary = "Reading \"../HeightmapPrimary.raw\" (16-bit 5x2x0.00300000)";

TEST_F(JobTest, PaintsThePrimaryMapsAndSplitsThem) {
    MakeTemporaries();
    EXPECT_EQ(Run(JobOptions{true, true, false}), JobResult::Completed);

    EXPECT_EQ(Events(), (std::vector<std::string>{
                            "controls: off",
                            "status: " + kReadPrimary,
                            "status: Writing primary colour/detail maps",
                            "status: Spliting primary",
                            // Everything is still there while the splitter runs.
                            "run: quillet detailbig.tga colourbig.tga [detailbig.tga] "
                            "[colourbig.tga] [ctemp.tga] [dtemp.tga]",
                            "status: Completed (TIME)",
                            "controls: on",
                        }));
    EXPECT_EQ(LogLines(), (std::vector<std::string>{"", kReadPrimary, "    Generating normal map",
                                                    "    Generating detail map",
                                                    "Writing primary colour/detail maps", "",
                                                    "Spliting primary", "Completed (TIME)"}));
    EXPECT_TRUE(fs::is_directory("detailmaps"));
    EXPECT_TRUE(fs::is_directory("colormaps"));
    EXPECT_FALSE(fs::exists("lowdetailmaps"));
}

TEST_F(JobTest, PaintsEachSurroundingMapBeforeReadingTheNextAndSplitsLast) {
    EXPECT_EQ(Run(JobOptions{false, false, true}), JobResult::Completed);
    EXPECT_TRUE(fs::is_directory("lowdetailmaps"));

    std::vector<std::string> expected = {"controls: off", "status: " + kReadPrimary,
                                         "status: Writing primary colour/detail maps"};
    for (int i = 0; i < 8; ++i) {
        const std::string index = std::to_string(i);
        const std::string temporaries = " [detailbig.tga] [colourbig.tga] [ctemp.tga] [dtemp.tga]";
        expected.push_back(std::string("status: Reading \"../HeightmapSecondary_") +
                           kSurrounding[i] + ".raw\" (8-bit 3x2x0.50000000)");
        expected.push_back("status: Writing secondary(" + index + ") colour/lowdetail maps");
        expected.push_back("run: nvdxt -file ctemp.tga -output colormaps/tx_s" + index +
                           ".dds -u8888 -nomipmap" + temporaries);
        expected.push_back("run: nvdxt -file dtemp.tga -output lowdetailmaps/tx_s" + index +
                           ".dds -u8888 -nomipmap" + temporaries);
    }
    expected.push_back("status: Spliting primary");
    expected.push_back(
        "run: quillet detailbig.tga colourbig.tga [detailbig.tga] [colourbig.tga] "
        "[ctemp.tga] [dtemp.tga]");
    expected.push_back("status: Completed (TIME)");
    expected.push_back("controls: on");
    EXPECT_EQ(Events(), expected);
    // The big maps stay without deltemps; the temporary images never do.
    EXPECT_TRUE(fs::exists("detailbig.tga"));
    EXPECT_TRUE(fs::exists("colourbig.tga"));
    EXPECT_FALSE(fs::exists("ctemp.tga"));
    EXPECT_FALSE(fs::exists("dtemp.tga"));
}

TEST_F(JobTest, AFailureIsShownExactlyAndNothingMoreIsDone) {
    struct Case {
        const char* name;
        void (*breakLevel)();
        JobOptions options;
        std::string shown;
        std::vector<std::string> lastCommands;  // commands run before the failure
    };
    const Case cases[] = {
        {"no settings",
         [] { fs::remove("../Heightdata.con"); },
         JobOptions{false, true, true},
         "ERROR: reading \"../Heightdata.con\"\n",
         {}},
        {"no primary heightmap",
         [] { fs::remove("../HeightmapPrimary.raw"); },
         JobOptions{false, true, true},
         "ERROR: opening ../HeightmapPrimary.raw",
         {}},
        {"no steep texture",
         [] { fs::remove("data/steep.tga"); },
         JobOptions{false, true, true},
         "ERROR: reading \"data/steep.tga\"",
         {}},
        {"primary too large",
         [] {
             WriteFileBytes("../Heightdata.con",
                            "heightmap.setSize 8193\nheightmap.setScale 2/1\n");
         },
         JobOptions{false, true, true},
         "ERROR: \"../Heightdata.con\": primary size 8193 is above 8192; its maps would be wider "
         "than a TGA file can hold",
         {}},
        {"fourth surrounding map missing",
         [] { fs::remove("../HeightmapSecondary_R1.raw"); },
         JobOptions{false, true, true},
         "ERROR: opening ../HeightmapSecondary_R1.raw",
         {"tx_s0", "tx_s0", "tx_s1", "tx_s1", "tx_s2", "tx_s2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        recording_ui::Clear();
        for (const char* name : {"detailbig.tga", "colourbig.tga", "ctemp.tga", "dtemp.tga"})
            fs::remove(name);
        c.breakLevel();
        EXPECT_EQ(Run(c.options), JobResult::Failed);

        const auto events = Events();
        ASSERT_GE(events.size(), 3u);
        EXPECT_EQ(events[events.size() - 2], "fatal: " + c.shown);
        EXPECT_EQ(events.back(), "controls: on");
        std::vector<std::string> commands;
        for (const std::string& event : events) {
            EXPECT_EQ(event.find("Completed"), std::string::npos);
            EXPECT_EQ(event.find("quillet"), std::string::npos);
            const std::size_t at = event.find("tx_s");
            if (at != std::string::npos) commands.push_back(event.substr(at, 5));
        }
        EXPECT_EQ(commands, c.lastCommands);
        // The error is not logged, and nothing written so far is deleted.
        for (const std::string& line : LogLines()) EXPECT_EQ(line.find("ERROR"), std::string::npos);
        if (!c.lastCommands.empty()) {
            EXPECT_TRUE(fs::exists("detailbig.tga"));
            EXPECT_TRUE(fs::exists("colourbig.tga"));
        }
        TearDown();
        SetUp();  // a fresh level for the next case
    }
}

// A command-line job says on standard error what its fixed messages cannot:
// why a file of the material set was refused (on the line under the
// message) and what will be painted other than the user expects. None of
// it reaches the log or changes a fixed message.
TEST_F(JobTest, TellsTheCommandLineWhyAndWarns) {
    const std::string noTile =
        "Warning: ../HeightmapPrimary.raw is 5 x 5 samples, so its maps are 16 texels a side, "
        "smaller than one 512 x 512 tile: no primary tile will be written (a primary size of at "
        "least 129 gives one)";
    struct Case {
        const char* name;
        void (*changeLevel)();
        std::string fatal;  // "" for a job that completes
        std::vector<std::string> told;
    };
    const Case cases[] = {
        {"maps smaller than a tile", [] {}, "", {noTile}},
        {"a 24-bit gradient",
         [] { paint_test::Write(paint_test::Picture(Bgr24, 512, 1), "data/grad_angle.tga"); },
         "",
         {"Warning: data/grad_angle.tga is 24-bit (channels interleaved), so the painter paints "
          "something other than the picture shows; marvane_materials --check says how to mend it",
          noTile}},
        {"a texture of the wrong size",
         [] { paint_test::Write(paint_test::Picture(Bgr24, 1024, 768), "data/low.tga"); },
         "ERROR: reading \"data/low.tga\"",
         {"data/low.tga is 1024 x 768; textures must be 512 x 512, 24-bit, uncompressed: "
          "marvane_materials --low PICTURE converts one"}},
        {"a missing gradient",
         [] { fs::remove("data/grad_height.tga"); },
         "ERROR: opening \"data/grad_height.tga\"",
         {"data/grad_height.tga is missing; gradients must be uncompressed TGA with at least 512 "
          "pixel bytes, best a 512 x 1 greyscale ramp: marvane_materials --rules FILE writes "
          "both"}},
        {"a settings file that cannot be read (nothing to add)",
         [] { fs::remove("../Heightdata.con"); },
         "ERROR: reading \"../Heightdata.con\"\n",
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        recording_ui::Clear();
        c.changeLevel();
        ::testing::internal::CaptureStderr();
        const JobResult result = Run(JobOptions{});
        const std::string told = ::testing::internal::GetCapturedStderr();

        EXPECT_EQ(result, c.fatal.empty() ? JobResult::Completed : JobResult::Failed);
        std::vector<std::string> lines;
        for (std::size_t at = 0, end; (end = told.find('\n', at)) != std::string::npos;
             at = end + 1) {
            lines.push_back(told.substr(at, end - at));
        }
        EXPECT_EQ(lines, c.told);
        if (!c.fatal.empty()) {
            const auto events = Events();
            ASSERT_GE(events.size(), 2u);
            EXPECT_EQ(events[events.size() - 2], "fatal: " + c.fatal);
        }
        for (const std::string& line : LogLines()) {
            EXPECT_EQ(line.find("Warning"), std::string::npos) << line;
            EXPECT_EQ(line.find("marvane_materials"), std::string::npos) << line;
        }
        TearDown();
        SetUp();  // a fresh level for the next case
    }
}

// A dialog's job has no standard error to speak to: its box shows the fixed
// message alone, and no warning is written anywhere.
TEST_F(JobTest, ADialogsJobKeepsToItsFixedMessage) {
    paint_test::Write(paint_test::Picture(Bgr24, 1024, 768), "data/low.tga");
    ::testing::internal::CaptureStderr();
    ASSERT_TRUE(StartFromDialog(JobOptions{}));
    for (int i = 0; i < 2000 && dialogThreads_.Running(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    dialogThreads_.StopAll([] {});
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    const auto events = Events();
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[events.size() - 2], "fatal: ERROR: reading \"data/low.tga\"");
}

// A conversion or a splitter run that fails (a full disk, say) leaves
// textures or tiles missing: the job ends with the command's message, never
// "Completed", and deletes nothing.
TEST_F(JobTest, AFailedConversionOrSplitterRunEndsTheJob) {
    struct Case {
        const char* command;
        JobOptions options;
    };
    const Case cases[] = {
        {"nvdxt -file dtemp.tga -output lowdetailmaps/tx_s0.dds", {false, true, true}},
        {"quillet", {false, true, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        recording_ui::Clear();
        failingCommand = c.command;
        EXPECT_EQ(Run(c.options), JobResult::Failed);
        const auto events = Events();
        ASSERT_GE(events.size(), 3u);
        EXPECT_EQ(events[events.size() - 3].rfind(std::string("run: ") + c.command, 0), 0u);
        const std::string shown = events[events.size() - 2];
        EXPECT_EQ(shown.rfind(std::string("fatal: ERROR: running \"") + c.command, 0), 0u) << shown;
        for (const std::string& event : events) {
            EXPECT_EQ(event.find("Completed"), std::string::npos);
        }
        EXPECT_TRUE(fs::exists("detailbig.tga"));
    }
}

TEST_F(JobTest, AnExceptionThatIsNotTextIsShownInGeneralWords) {
    commandThrowsBadAlloc = true;
    EXPECT_EQ(Run(JobOptions{}), JobResult::Failed);
    const auto events = Events();
    EXPECT_EQ(events[events.size() - 2], "fatal: Very bad unspecific error");
    EXPECT_EQ(events.back(), "controls: on");
}

TEST_F(JobTest, DeletesTheBigMapsOnlyWhenAskedAndTheTemporariesAlways) {
    for (bool deleteTemporaries : {false, true}) {
        SCOPED_TRACE(deleteTemporaries ? "delete temporaries" : "keep temporaries");
        MakeTemporaries();
        JobOptions options;
        options.deleteTemporaries = deleteTemporaries;
        ASSERT_EQ(Run(options), JobResult::Completed);
        EXPECT_EQ(fs::exists("detailbig.tga"), !deleteTemporaries);
        EXPECT_EQ(fs::exists("colourbig.tga"), !deleteTemporaries);
        EXPECT_FALSE(fs::exists("ctemp.tga"));
        EXPECT_FALSE(fs::exists("dtemp.tga"));
    }
}

// A step is shown as it is logged, and still shown once the log has closed
// under the job (the dialog's thread closes it as the program ends).
TEST_F(JobTest, StepsStillShowWhenTheLogHasClosed) {
    log_.Close();
    EXPECT_EQ(Run(JobOptions{}), JobResult::Completed);
    const auto events = Events();
    EXPECT_NE(std::find(events.begin(), events.end(), "status: " + kReadPrimary), events.end());
    EXPECT_NE(std::find(events.begin(), events.end(), "status: Completed (TIME)"), events.end());
    EXPECT_EQ(ReadFileBytes("log.txt"), "");
}

TEST_F(JobTest, AnExistingOrBlockedOutputFolderIsPassedOver) {
    fs::create_directory("detailmaps");
    WriteFileBytes("colormaps", "a file where a folder should be");
    EXPECT_EQ(Run(JobOptions{}), JobResult::Completed);
}

// A dialog's job asked to stop at a given step: it stops at its next band or
// map without a message, keeps what it finished, and leaves no ".partial"
// file behind, also none that an earlier run ended by force had left.
TEST_F(JobTest, AJobAskedToStopEndsQuietlyAndLeavesNothingHalfWritten) {
    const struct {
        const char* askedAt;  // the status at which the user closes the dialog
        bool bigMapsKept;
    } cases[] = {{"status: Writing primary colour/detail maps", false},
                 {"status: Writing secondary(2) colour/lowdetail maps", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.askedAt);
        recording_ui::Clear();
        for (const char* name : kTemporaries) fs::remove(name);
        fs::create_directory("colormaps");
        WriteFileBytes("colormaps/tx00x00.dds.partial", "left by a killed run");
        WriteFileBytes("ctemp.tga.partial", "left by a killed run");
        const std::string askedAt = c.askedAt;
        recording_ui::SetEventHook([this, askedAt](const std::string& event) {
            if (event == askedAt) dialogThreads_.RequestStop();
        });
        ASSERT_TRUE(StartFromDialog(JobOptions{true, false, true}));
        for (int i = 0; i < 2000 && dialogThreads_.Running(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        dialogThreads_.StopAll([] {});

        const std::vector<std::string> events = Events();
        ASSERT_GE(events.size(), 2u);
        EXPECT_EQ(events[events.size() - 2], askedAt);  // nothing ran or showed after it
        EXPECT_EQ(events.back(), "controls: on");
        EXPECT_EQ(LogLines().back(), askedAt.substr(std::string("status: ").size()));
        EXPECT_EQ(fs::exists("detailbig.tga"), c.bigMapsKept);
        EXPECT_EQ(fs::exists("colourbig.tga"), c.bigMapsKept);
        for (const char* folder : {".", "colormaps", "detailmaps", "lowdetailmaps"}) {
            for (const auto& entry : fs::directory_iterator(folder)) {
                EXPECT_NE(entry.path().extension(), ".partial") << entry.path();
            }
        }
    }
}

}  // namespace
