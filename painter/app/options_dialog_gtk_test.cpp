// The GTK options dialog driven as a user would, in-process: the dialog runs
// on the main thread as in the painter, and each test's "user" runs on a
// thread of its own, acting on the widgets through GTK's main loop. The job
// is the real one on a small level; only the splitter and the converter are
// replaced, the splitter by a gate that keeps the job running until the test
// lets it go on.
#include "painter/app/options_dialog_gtk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <regex>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "common/platform/platform.h"
#include "painter/app/dialog_controls.h"
#include "painter/app/dialog_jobs.h"
#include "painter/app/painter_main.h"
#include "painter/app/report.h"
#include "painter/app/ui.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_level.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing_support::ReadFileBytes;
using testing_support::TempWorkingFolder;
using testing_support::WriteFileBytes;

namespace {

const char* const Title = "Harrow's Marvane v0.33 - [Island]";
const char* const SettingsFailure = "ERROR: reading \"../Heightdata.con\"\n";

// --- The splitter's gate --------------------------------------------------

struct SplitterGate {
    std::mutex mutex;
    std::condition_variable changed;
    int arrived = 0;   // runs of the splitter so far
    int released = 0;  // runs let go on
};
SplitterGate gate;

int GatedCommand(const char* commandLine) {
    if (std::strncmp(commandLine, "quillet ", 8) != 0) return 0;  // the converter: done
    std::unique_lock<std::mutex> lock(gate.mutex);
    const int run = ++gate.arrived;
    gate.changed.notify_all();
    gate.changed.wait(lock, [run] { return gate.released >= run; });
    return 0;
}

void WaitForSplitterRun(int run) {
    std::unique_lock<std::mutex> lock(gate.mutex);
    if (!gate.changed.wait_for(lock, 60s, [run] { return gate.arrived >= run; })) {
        throw std::runtime_error("the job never started the splitter (run " + std::to_string(run) +
                                 ")");
    }
}

void ReleaseSplitter() {
    std::lock_guard<std::mutex> lock(gate.mutex);
    ++gate.released;
    gate.changed.notify_all();
}

// --- Acting on the dialog from the user's thread --------------------------

// Runs fn on the dialog's thread and returns its result.
template <class F>
auto OnDialogThread(F fn) {
    using Result = decltype(fn());
    using Task = std::packaged_task<Result()>;
    auto task = std::make_shared<Task>(std::move(fn));
    auto result = task->get_future();
    // Always queued, never run on the calling thread as g_main_context_invoke
    // would before the loop starts.
    g_idle_add_full(
        G_PRIORITY_DEFAULT,
        [](gpointer data) -> gboolean {
            (**static_cast<std::shared_ptr<Task>*>(data))();
            return G_SOURCE_REMOVE;
        },
        new std::shared_ptr<Task>(task),
        [](gpointer data) { delete static_cast<std::shared_ptr<Task>*>(data); });
    if (result.wait_for(30s) != std::future_status::ready) {
        throw std::runtime_error("the dialog's thread does not answer");
    }
    return result.get();
}

void WaitUntil(const std::function<bool()>& condition, const char* what) {
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (!OnDialogThread(condition)) {
        if (std::chrono::steady_clock::now() > deadline) {
            throw std::runtime_error(std::string("timed out waiting until ") + what);
        }
        std::this_thread::sleep_for(10ms);
    }
}

// The log and the dialog's job threads of the current test, as the painter
// keeps them (PainterMain's own with RunPainterWith).
PainterRun* run = nullptr;

// The options dialog's window while it is shown, found as a user would.
GtkWidget* OptionsDialogWindow() {
    GtkWidget* found = nullptr;
    GList* windows = gtk_window_list_toplevels();
    for (GList* item = windows; item; item = item->next) {
        GtkWidget* window = GTK_WIDGET(item->data);
        const char* title = gtk_window_get_title(GTK_WINDOW(window));
        if (title && std::strcmp(title, Title) == 0 && gtk_widget_get_visible(window) &&
            OptionsDialogControl(window, IdGo)) {
            found = window;
        }
    }
    g_list_free(windows);
    return found;
}

GtkWidget* Control(int id) { return OptionsDialogControl(OptionsDialogWindow(), id); }
bool Sensitive(int id) { return gtk_widget_get_sensitive(Control(id)) != FALSE; }
bool Checked(int id) { return gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(Control(id))); }
std::string StatusText() { return gtk_entry_get_text(GTK_ENTRY(Control(IdStatusField))); }
void Click(int id) { gtk_button_clicked(GTK_BUTTON(Control(id))); }

// A key pressed and released on the dialog, queued behind the events before
// it and handled by GTK as one from the keyboard.
void PressKey(guint keyval) {
    GdkWindow* window = gtk_widget_get_window(OptionsDialogWindow());
    GdkDisplay* display = gdk_window_get_display(window);
    GdkDevice* keyboard = gdk_seat_get_keyboard(gdk_display_get_default_seat(display));
    GdkKeymapKey* keys = nullptr;
    gint keyCount = 0;
    gdk_keymap_get_entries_for_keyval(gdk_keymap_get_for_display(display), keyval, &keys,
                                      &keyCount);
    for (GdkEventType type : {GDK_KEY_PRESS, GDK_KEY_RELEASE}) {
        GdkEvent* event = gdk_event_new(type);
        event->key.window = GDK_WINDOW(g_object_ref(window));
        event->key.time = GDK_CURRENT_TIME;
        event->key.keyval = keyval;
        event->key.hardware_keycode = keyCount > 0 ? static_cast<guint16>(keys[0].keycode) : 0;
        gdk_event_set_device(event, keyboard);
        gdk_display_put_event(display, event);
        gdk_event_free(event);
    }
    g_free(keys);
}

bool ShowsWaitCursor() {
    GdkCursor* cursor = gdk_window_get_cursor(gtk_widget_get_window(OptionsDialogWindow()));
    return cursor && gdk_cursor_get_cursor_type(cursor) == GDK_WATCH;
}

// The open fatal-error box, if any.
GtkWidget* FatalBox() {
    GtkWidget* found = nullptr;
    GList* windows = gtk_window_list_toplevels();
    for (GList* item = windows; item; item = item->next) {
        const char* title = gtk_window_get_title(GTK_WINDOW(item->data));
        if (title && std::strcmp(title, "Marvane Fatal Error") == 0 &&
            gtk_widget_get_visible(GTK_WIDGET(item->data))) {
            found = GTK_WIDGET(item->data);
        }
    }
    g_list_free(windows);
    return found;
}

bool IdleAfterJob() { return Sensitive(IdGo) && !run->dialogThreads.Running(); }

bool CompletedShown() {
    static const std::regex completed(R"(Completed \([0-9]+\.[0-9]{4}s\))");
    return std::regex_match(StatusText(), completed);
}

std::vector<std::string> LogLines() { return testing_support::ReadLines("log.txt"); }

// Shows the dialog on this thread while `user` acts on it from another. The
// dialog is closed afterwards whatever happened, once no job runs.
void RunDialogWith(const std::function<void()>& user) {
    std::thread userThread([&user] {
        try {
            user();
            WaitUntil(IdleAfterJob, "the last job has ended");
        } catch (const std::exception& failure) {
            ADD_FAILURE() << failure.what();
        }
        try {
            OnDialogThread([] {
                Click(IdClose);
                return true;
            });
        } catch (const std::exception& failure) {
            ADD_FAILURE() << failure.what();
        }
    });
    const DialogHost host{[](JobOptions options, JobWindow window) {
                              return StartDialogJob(run->dialogThreads, run->log, run->runCommand,
                                                    options, std::move(window));
                          },
                          platform::CurrentFolder};
    EXPECT_TRUE(RunOptionsDialog(host));
    userThread.join();
}

// A level "Island" with the working folder Island/paint, made current.
class GtkOptionsDialog : public ::testing::Test {
protected:
    void SetUp() override {
        fs::current_path(WriteTestLevel(folder_.path() / "Island"));
        {
            std::lock_guard<std::mutex> lock(gate.mutex);
            gate.arrived = gate.released = 0;
        }
        run_.runCommand = GatedCommand;
        run = &run_;
        ASSERT_TRUE(run_.log.Open("log.txt"));
    }
    void TearDown() override {
        run_.dialogThreads.StopAll(nullptr);
        run_.log.Close();
        run = nullptr;
    }

    PainterRun run_;

    TempWorkingFolder folder_;
};

TEST_F(GtkOptionsDialog, OpensReadyWithTheLevelInItsTitle) {
    RunDialogWith([] {
        OnDialogThread([] {
            GtkWidget* window = OptionsDialogWindow();
            EXPECT_STREQ(gtk_window_get_title(GTK_WINDOW(window)), Title);
            for (int id : {IdMirrorColour, IdPaintSurrounding, IdDeleteTemporaries}) {
                EXPECT_TRUE(Checked(id)) << id;
                EXPECT_TRUE(Sensitive(id)) << id;
            }
            EXPECT_TRUE(Sensitive(IdGo));
            EXPECT_TRUE(Sensitive(IdClose));
            EXPECT_TRUE(gtk_widget_has_default(Control(IdGo)));
            EXPECT_EQ(gtk_window_get_focus(GTK_WINDOW(window)), nullptr);
            EXPECT_EQ(StatusText(), "");
            EXPECT_FALSE(gtk_editable_get_editable(GTK_EDITABLE(Control(IdStatusField))));
            EXPECT_FALSE(ShowsWaitCursor());
            return true;
        });
        // Escape leaves the dialog open; Enter, pressed after it, presses Go.
        OnDialogThread([] {
            PressKey(GDK_KEY_Escape);
            PressKey(GDK_KEY_Return);
            return true;
        });
        WaitForSplitterRun(1);
        EXPECT_TRUE(OnDialogThread([] { return OptionsDialogWindow() != nullptr; }));
        ReleaseSplitter();
        WaitUntil(CompletedShown, "the job has completed");
    });
}

TEST_F(GtkOptionsDialog, GoRunsJobsWithTheBoxesAsTheyAreAndGreysTheControlsMeanwhile) {
    RunDialogWith([] {
        OnDialogThread([] {
            Click(IdGo);
            return true;
        });
        WaitForSplitterRun(1);
        WaitUntil([] { return StatusText() == "Spliting primary"; }, "the status is shown");
        OnDialogThread([] {
            for (int id : {IdMirrorColour, IdPaintSurrounding, IdDeleteTemporaries, IdGo}) {
                EXPECT_FALSE(Sensitive(id)) << id;
            }
            EXPECT_TRUE(Sensitive(IdClose));
            EXPECT_TRUE(ShowsWaitCursor());
            return true;
        });
        EXPECT_TRUE(run->dialogThreads.Running());
        ReleaseSplitter();
        WaitUntil(IdleAfterJob, "the first job has ended");
        OnDialogThread([] {
            EXPECT_TRUE(CompletedShown()) << StatusText();
            for (int id : {IdMirrorColour, IdPaintSurrounding, IdDeleteTemporaries, IdGo}) {
                EXPECT_TRUE(Sensitive(id)) << id;
            }
            EXPECT_FALSE(ShowsWaitCursor());
            return true;
        });
        // All three options were on.
        EXPECT_TRUE(fs::is_directory("lowdetailmaps"));
        EXPECT_FALSE(fs::exists("detailbig.tga"));
        EXPECT_FALSE(fs::exists("colourbig.tga"));

        // The second job takes the boxes as they are now: no surrounding
        // terrain, temporaries kept.
        fs::remove_all("lowdetailmaps");
        OnDialogThread([] {
            Click(IdPaintSurrounding);
            Click(IdDeleteTemporaries);
            Click(IdGo);
            return true;
        });
        WaitForSplitterRun(2);
        ReleaseSplitter();
        WaitUntil(IdleAfterJob, "the second job has ended");
        EXPECT_TRUE(OnDialogThread(CompletedShown));
        EXPECT_FALSE(fs::exists("lowdetailmaps"));
        // The level's 129-sample heightmap makes 512 x 512 maps.
        EXPECT_EQ(fs::file_size("colourbig.tga"), 18u + 512u * 512u * 3u);
    });
    const auto lines = LogLines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Writing primary colour/detail maps"), 2);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Writing secondary(7) colour/lowdetail maps"),
              1);
    EXPECT_TRUE(std::regex_match(lines.back(), std::regex(R"(Completed \(.*s\))"))) << lines.back();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Spliting primary"), 2);
}

TEST_F(GtkOptionsDialog, AFailedJobShowsItsMessageAndTheDialogStaysUsable) {
    fs::rename("../Heightdata.con", "../Heightdata.away");
    RunDialogWith([] {
        OnDialogThread([] {
            Click(IdGo);
            return true;
        });
        WaitUntil([] { return FatalBox() != nullptr; }, "the error box is shown");
        OnDialogThread([] {
            GtkWidget* box = FatalBox();
            gchar* text = nullptr;
            GtkMessageType type = GTK_MESSAGE_OTHER;
            g_object_get(box, "text", &text, "message-type", &type, nullptr);
            EXPECT_STREQ(text, SettingsFailure);
            g_free(text);
            EXPECT_EQ(type, GTK_MESSAGE_ERROR);
            EXPECT_EQ(gtk_window_get_transient_for(GTK_WINDOW(box)), nullptr);
            // The job waits for the box; the dialog stays as the job left it.
            EXPECT_FALSE(Sensitive(IdGo));
            EXPECT_TRUE(Sensitive(IdClose));
            return true;
        });
        EXPECT_TRUE(run->dialogThreads.Running());
        OnDialogThread([] {
            gtk_dialog_response(GTK_DIALOG(FatalBox()), GTK_RESPONSE_OK);
            return true;
        });
        WaitUntil(IdleAfterJob, "the failed job has ended");
        OnDialogThread([] {
            EXPECT_EQ(FatalBox(), nullptr);
            EXPECT_EQ(StatusText(), "");  // the job failed before its first status
            EXPECT_FALSE(ShowsWaitCursor());
            return true;
        });

        // A new job runs at once and completes.
        fs::rename("../Heightdata.away", "../Heightdata.con");
        OnDialogThread([] {
            Click(IdGo);
            return true;
        });
        WaitForSplitterRun(1);
        ReleaseSplitter();
        WaitUntil(CompletedShown, "the next job has completed");
    });
    // The failure is shown, never logged.
    EXPECT_EQ(ReadFileBytes("log.txt").find("ERROR"), std::string::npos);
}

// The painter with its dialog, as started without options, while `user`
// acts from another thread; the user closes the dialog. Returns PainterMain's
// status. A painter that does not end within a minute of the close ends the
// test program: nothing else would.
int RunPainterWith(const std::function<void()>& user) {
    std::atomic<bool> returned{false};
    std::thread userThread([&user, &returned] {
        try {
            WaitUntil([] { return OptionsDialogWindow() != nullptr; }, "the dialog shows");
            user();
        } catch (const std::exception& failure) {
            ADD_FAILURE() << failure.what();
            try {
                OnDialogThread([] {
                    if (OptionsDialogWindow()) Click(IdClose);
                    return true;
                });
            } catch (const std::exception&) {
                // the watch below ends the test program
            }
        }
        ReleaseSplitter();  // the stand-in would hold a job that does not stop there
        for (int i = 0; i < 6000 && !returned; ++i) std::this_thread::sleep_for(10ms);
        if (!returned) {
            std::fputs("the painter did not end within a minute of the close\n", stderr);
            std::_Exit(3);
        }
    });
    const int status = PainterMain("", *run);
    returned = true;
    userThread.join();
    return status;
}

std::vector<fs::path> PartialFiles() {
    std::vector<fs::path> found;
    for (const auto& entry : fs::recursive_directory_iterator(".")) {
        if (entry.path().extension() == ".partial") found.push_back(entry.path());
    }
    return found;
}

// Closing the dialog while a job runs asks the job to stop and ends the
// program normally once it has: status 0, no job thread left, the log closed
// after the job's last line, the finished maps whole and nothing half-written.
TEST_F(GtkOptionsDialog, ClosingWhileAJobRunsEndsThePainterOnceTheJobHasEnded) {
    const int status = RunPainterWith([] {
        OnDialogThread([] {
            Click(IdDeleteTemporaries);  // the big maps stay in any case
            Click(IdGo);
            return true;
        });
        WaitForSplitterRun(1);
        OnDialogThread([] {
            Click(IdClose);
            return true;
        });
    });
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(run->dialogThreads.StopRequested());
    EXPECT_FALSE(run->dialogThreads.Running());
    run->log.Line("after the end");  // the log is closed: dropped
    const auto lines = LogLines();
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[1], "Marvane v0.33");
    const auto split = std::find(lines.begin(), lines.end(), "Spliting primary");
    ASSERT_NE(split, lines.end());
    // After the splitter only the job's end may follow, in whole lines.
    for (auto line = split + 1; line != lines.end(); ++line) {
        EXPECT_TRUE(std::regex_match(*line, std::regex(R"(Completed \([0-9]+\.[0-9]{4}s\))")))
            << *line;
    }
    EXPECT_EQ(fs::file_size("detailbig.tga"), 18u + 512u * 512u * 3u);
    EXPECT_EQ(fs::file_size("colourbig.tga"), 18u + 512u * 512u * 3u);
    EXPECT_EQ(PartialFiles(), std::vector<fs::path>());
}

// A failed job waits for its message to be dismissed; closing the dialog
// instead must not leave it waiting for a box nobody can answer any more.
TEST_F(GtkOptionsDialog, ClosingWhileAFailedJobShowsItsMessageEndsThePainter) {
    fs::rename("../Heightdata.con", "../Heightdata.away");
    const int status = RunPainterWith([] {
        OnDialogThread([] {
            Click(IdGo);
            return true;
        });
        WaitUntil([] { return FatalBox() != nullptr; }, "the error box is shown");
        OnDialogThread([] {
            Click(IdClose);
            return true;
        });
    });
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(run->dialogThreads.Running());
    EXPECT_EQ(FatalBox(), nullptr);  // gone with the dialog
}

}  // namespace
