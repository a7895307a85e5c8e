// Works the painter's options dialog as a user would, from outside: starts
// Marvane.exe (the one beside this program) without options in a small
// level, finds the dialog by its title and checks it, runs jobs with Go and
// with Enter, fails one, presses Escape, and closes the dialog while a job
// runs. Every wait has a time limit; the painter is ended whatever happens.
//
// The splitter and the converter are this same program, copied beside the
// painter under their names: the splitter keeps its job running until the
// driver lets it go on, so the driver sees the dialog while a job runs.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <stdexcept>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "painter/app/dialog_controls.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_level.h"

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing_support::ReadFileBytes;
using testing_support::ReadLines;
using testing_support::WriteFileBytes;

namespace {

const wchar_t* const Title = L"Harrow's Marvane v0.33 - [Island]";
const char* const SplitterCalls = "splitter_calls.txt";  // one line per run
const char* const SplitterWaiting = "splitter_waiting";  // there while a run waits
const char* const SplitterRelease = "splitter_release";  // lets the waiting run go on
constexpr auto kPatience = 120s;

// --- The stand-ins ----------------------------------------------------------

int FakeSplitter(int argc, char** argv) {
    std::string call = "quillet";
    for (int i = 1; i < argc; ++i) call += std::string(" ") + argv[i];
    std::ofstream(SplitterCalls, std::ios::app | std::ios::binary) << call << "\n";
    WriteFileBytes(SplitterWaiting, "");
    const auto deadline = std::chrono::steady_clock::now() + 2 * kPatience;
    std::error_code ignored;
    while (!fs::exists(SplitterRelease) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(20ms);
    }
    fs::remove(SplitterRelease, ignored);
    fs::remove(SplitterWaiting, ignored);
    return 0;
}

// --- Checks -----------------------------------------------------------------

// What the checks found so far, for the summary and the exit status.
struct Tally {
    int passed = 0, failed = 0;

    void Check(bool ok, const std::string& what) {
        std::printf("%s: %s\n", ok ? "ok" : "FAIL", what.c_str());
        std::fflush(stdout);
        ++(ok ? passed : failed);
    }
};

// A failure after which the driver cannot go on.
struct Stop : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string Utf8(const std::wstring& text) {
    std::string result;
    for (wchar_t ch : text) result += ch < 128 ? static_cast<char>(ch) : '?';
    return result;
}

// --- The painter and its windows -------------------------------------------

class Painter {
public:
    Painter(const fs::path& program, const fs::path& folder, const std::wstring& options = L"") {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        std::wstring commandLine = L"\"" + program.wstring() + L"\"";
        if (!options.empty()) commandLine += L" " + options;
        if (!::CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                              nullptr, folder.c_str(), &startup, &process_)) {
            throw Stop("cannot start " + program.string());
        }
    }
    ~Painter() {
        if (Running()) ::TerminateProcess(process_.hProcess, 99);
        ::CloseHandle(process_.hThread);
        ::CloseHandle(process_.hProcess);
    }
    DWORD Id() const { return process_.dwProcessId; }
    bool Running() const { return ::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT; }
    // The exit status, or nothing when it is still running after the wait.
    bool WaitForEnd(std::chrono::milliseconds wait, DWORD& status) const {
        if (::WaitForSingleObject(process_.hProcess, static_cast<DWORD>(wait.count())) !=
            WAIT_OBJECT_0) {
            return false;
        }
        ::GetExitCodeProcess(process_.hProcess, &status);
        return true;
    }

private:
    PROCESS_INFORMATION process_{};
};

// A visible top-level window of the process with this title, or null.
HWND FindTopWindow(DWORD process, const std::wstring& title) {
    struct Search {
        DWORD process;
        const std::wstring* title;
        HWND found;
    } search{process, &title, nullptr};
    ::EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            wchar_t text[256] = {};
            ::GetWindowTextW(window, text, 256);
            if (owner == s.process && ::IsWindowVisible(window) && *s.title == text) {
                s.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A window's text, asked with a message: another process's controls do not
// answer GetWindowText.
std::string TextOf(HWND window) {
    wchar_t text[1024] = {};
    DWORD_PTR ignored = 0;
    if (!::SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text),
                               SMTO_ABORTIFHUNG, 5000, &ignored)) {
        throw Stop("the dialog does not answer");
    }
    return Utf8(text);
}

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    if (!::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result)) {
        throw Stop("the dialog does not answer");
    }
    return static_cast<LRESULT>(result);
}

// The dialog of one painter, and the level it works in.
struct Session {
    const Painter& painter;
    fs::path working;
    Tally& tally;
    HWND dialog = nullptr;

    HWND Control(int id) const { return ::GetDlgItem(dialog, id); }
    bool Enabled(int id) const { return ::IsWindowEnabled(Control(id)) != FALSE; }
    bool Checked(int id) const { return Send(Control(id), BM_GETCHECK) == BST_CHECKED; }
    std::string Text(int id) const { return TextOf(Control(id)); }
    std::string Status() const { return Text(IdStatusField); }
    void Click(int id) const { Send(Control(id), BM_CLICK); }

    // Waits until the condition holds; stops when the painter ends or an
    // error box it did not expect shows.
    void WaitUntil(const std::function<bool()>& condition, const std::string& what,
                   bool errorBoxExpected = false) const {
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (!condition()) {
            if (!painter.Running()) throw Stop("the painter ended while waiting until " + what);
            if (!errorBoxExpected) {
                if (HWND box = ErrorBox()) {
                    throw Stop("the painter shows an error while waiting until " + what + ": " +
                               ErrorText(box));
                }
            }
            if (std::chrono::steady_clock::now() > deadline) throw Stop("timed out: " + what);
            std::this_thread::sleep_for(20ms);
        }
    }

    HWND ErrorBox() const { return FindTopWindow(painter.Id(), L"Marvane Fatal Error"); }
    static std::string ErrorText(HWND box) { return TextOf(::GetDlgItem(box, 0xFFFF)); }

    int SplitterRuns() const {
        const std::string calls = ReadFileBytes(working / SplitterCalls);
        return static_cast<int>(std::count(calls.begin(), calls.end(), '\n'));
    }
    void WaitForSplitter(int run) const {
        WaitUntil([&] { return SplitterRuns() >= run && fs::exists(working / SplitterWaiting); },
                  "the job runs the splitter (run " + std::to_string(run) + ")");
    }
    void ReleaseSplitter() const { WriteFileBytes(working / SplitterRelease, ""); }

    bool Idle() const { return Enabled(IdGo); }
    bool CompletedShown() const {
        static const std::regex completed(R"(Completed \([0-9]+\.[0-9]{4}s\))");
        return std::regex_match(Status(), completed);
    }
    void WaitForCompletedJob(const std::string& which) const {
        WaitUntil([&] { return Idle() && CompletedShown(); }, which + " completes");
    }

    std::vector<std::string> LogLines() const { return ReadLines(working / "log.txt"); }
};

// --- The dialog's template, read from the program file ----------------------

struct TemplateItem {
    int id;
    WORD classAtom;  // 0x80 button, 0x81 edit
    const char* caption;
    short x, y, cx, cy;
    DWORD style;
};

const TemplateItem ExpectedItems[] = {
    {1004, 0x80, "Go", 190, 7, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
    {1005, 0x80, "Close", 190, 24, 50, 14, BS_PUSHBUTTON | WS_TABSTOP},
    {1000, 0x80, "Mirror colour texture", 7, 7, 78, 10, BS_AUTOCHECKBOX | WS_TABSTOP},
    {1001, 0x80, "Paint surrounding terrain", 7, 21, 92, 10, BS_AUTOCHECKBOX | WS_TABSTOP},
    {1002, 0x80, "Delete temporary files", 7, 35, 83, 10, BS_AUTOCHECKBOX | WS_TABSTOP},
    {1003, 0x81, "", 7, 52, 233, 12, ES_AUTOHSCROLL | WS_DISABLED | WS_BORDER | WS_TABSTOP},
};

std::string Numbered(int number) {
    std::string text(1, '#');
    text += std::to_string(number);
    return text;
}

class TemplateReader {
public:
    TemplateReader(const BYTE* data, size_t size) : data_(data), size_(size) {}
    WORD Word() {
        if (at_ + 2 > size_) throw Stop("the dialog template is cut short");
        WORD value = static_cast<WORD>(data_[at_] | (data_[at_ + 1] << 8));
        at_ += 2;
        return value;
    }
    DWORD Dword() {
        const DWORD low = Word();
        return low | (static_cast<DWORD>(Word()) << 16);
    }
    short Short() { return static_cast<short>(Word()); }
    // A text, or 0xFFFF and a number (returned as "#number").
    std::string NameOrNumber() {
        WORD first = Word();
        if (first == 0xFFFF) return Numbered(Word());
        std::string text;
        for (; first != 0; first = Word()) text += first < 128 ? static_cast<char>(first) : '?';
        return text;
    }
    void AlignToDword() { at_ = (at_ + 3) & ~size_t{3}; }

private:
    const BYTE* data_;
    size_t size_;
    size_t at_ = 0;
};

void CheckTemplate(const fs::path& program, Tally& tally) {
    HMODULE module = ::LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) throw Stop("cannot read the resources of " + program.string());
    struct Unload {
        HMODULE module;
        ~Unload() { ::FreeLibrary(module); }
    } unload{module};
    HRSRC resource = ::FindResourceExW(module, MAKEINTRESOURCEW(5) /* RT_DIALOG */,
                                       MAKEINTRESOURCEW(IdOptionsDialog),
                                       MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK));
    tally.Check(resource != nullptr, "template 101 in English (United Kingdom)");
    if (!resource) return;
    const auto* data = static_cast<const BYTE*>(::LockResource(::LoadResource(module, resource)));
    TemplateReader reader(data, ::SizeofResource(module, resource));

    const DWORD style = reader.Dword();
    reader.Dword();  // extended style
    const WORD items = reader.Word();
    const short x = reader.Short(), y = reader.Short(), cx = reader.Short(), cy = reader.Short();
    tally.Check(style == (DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU),
          "template: a modal frame with caption and system menu");
    tally.Check(x == 0 && y == 0 && cx == 247 && cy == 71, "template: at 0, 0, 247 x 71");
    reader.NameOrNumber();  // no menu
    reader.NameOrNumber();  // the standard dialog class
    tally.Check(reader.NameOrNumber() == "Dialog", "template: caption \"Dialog\"");
    const WORD points = reader.Word();
    tally.Check(points == 8 && reader.NameOrNumber() == "MS Sans Serif",
          "template: font \"MS Sans Serif\" 8");
    tally.Check(items == 6, "template: six controls");
    for (const TemplateItem& expected : ExpectedItems) {
        if (items != 6) break;
        reader.AlignToDword();
        const DWORD itemStyle = reader.Dword();
        reader.Dword();
        const short ix = reader.Short(), iy = reader.Short();
        const short icx = reader.Short(), icy = reader.Short();
        const WORD id = reader.Word();
        const std::string itemClass = reader.NameOrNumber();
        const std::string caption = reader.NameOrNumber();
        const WORD extra = reader.Word();
        for (WORD i = 0; i < extra / 2; ++i) reader.Word();
        const std::string name = "template control " + std::to_string(expected.id);
        tally.Check(id == expected.id, name + ": in its place in the tab order");
        tally.Check(itemClass == Numbered(expected.classAtom) && caption == expected.caption,
              name + ": class and caption (" + itemClass + ", \"" + caption + "\")");
        tally.Check(ix == expected.x && iy == expected.y && icx == expected.cx && icy == expected.cy,
              name + ": position and size");
        tally.Check(itemStyle == (expected.style | WS_CHILD | WS_VISIBLE), name + ": style");
    }
}

// --- The user's session -----------------------------------------------------

void CheckInitialState(Session& s) {
    std::vector<int> order;
    for (HWND child = ::GetWindow(s.dialog, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        order.push_back(::GetDlgCtrlID(child));
    }
    s.tally.Check(order == std::vector<int>{1004, 1005, 1000, 1001, 1002, 1003},
          "the six controls in tab order");
    for (const TemplateItem& item : ExpectedItems) {
        if (item.id != IdStatusField) {
            s.tally.Check(s.Text(item.id) == item.caption, "caption of " + std::to_string(item.id));
        }
    }
    s.tally.Check(s.Checked(IdMirrorColour) && s.Checked(IdPaintSurrounding) &&
              s.Checked(IdDeleteTemporaries),
          "all three boxes start checked");
    s.tally.Check(s.Status().empty(), "the status field starts empty");
    s.tally.Check(s.Enabled(IdMirrorColour) && s.Enabled(IdPaintSurrounding) &&
              s.Enabled(IdDeleteTemporaries) && s.Enabled(IdGo) && s.Enabled(IdClose),
          "boxes, Go and Close start enabled");
    s.tally.Check(!s.Enabled(IdStatusField), "the status field is read only (disabled)");
    // The dialog answers the cursor request itself, for its controls too.
    s.tally.Check(Send(s.dialog, WM_SETCURSOR, reinterpret_cast<WPARAM>(s.Control(IdGo)),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)) == TRUE,
          "the cursor request over a control is answered");
}

void CheckRunningState(Session& s, const std::string& which) {
    s.tally.Check(!s.Enabled(IdMirrorColour) && !s.Enabled(IdPaintSurrounding) &&
              !s.Enabled(IdDeleteTemporaries) && !s.Enabled(IdGo),
          which + ": boxes and Go greyed while it runs");
    s.tally.Check(s.Enabled(IdClose), which + ": Close stays enabled");
}

void Drive(Session& s, const fs::path& program) {
    CheckTemplate(program, s.tally);
    s.WaitUntil([&] { return (s.dialog = FindTopWindow(s.painter.Id(), Title)) != nullptr; },
                "the dialog shows, titled with the level's folder");
    CheckInitialState(s);

    // A first job with all three options.
    s.Click(IdGo);
    s.WaitForSplitter(1);
    CheckRunningState(s, "first job");
    s.tally.Check(s.Status() == "Spliting primary", "the status field shows the job's step");
    s.ReleaseSplitter();
    s.WaitForCompletedJob("the first job");
    s.tally.Check(s.Enabled(IdMirrorColour) && s.Enabled(IdPaintSurrounding) &&
              s.Enabled(IdDeleteTemporaries),
          "the boxes are enabled again");
    s.tally.Check(fs::is_directory(s.working / "lowdetailmaps"), "first job: surrounding terrain on");
    s.tally.Check(!fs::exists(s.working / "detailbig.tga") && !fs::exists(s.working / "colourbig.tga"),
          "first job: temporaries deleted");
    s.tally.Check(ReadFileBytes(s.working / SplitterCalls) == "quillet detailbig.tga colourbig.tga\n",
          "the splitter's command line");

    // A second job takes the boxes as they are now.
    s.Click(IdPaintSurrounding);
    s.Click(IdDeleteTemporaries);
    s.tally.Check(!s.Checked(IdPaintSurrounding) && !s.Checked(IdDeleteTemporaries) &&
              s.Checked(IdMirrorColour),
          "two boxes unchecked by clicks");
    fs::remove_all(s.working / "lowdetailmaps");
    s.Click(IdGo);
    s.WaitForSplitter(2);
    CheckRunningState(s, "second job");
    s.ReleaseSplitter();
    s.WaitForCompletedJob("the second job");
    s.tally.Check(!fs::exists(s.working / "lowdetailmaps"), "second job: no surrounding terrain");
    // The level's 129-sample heightmap makes 512 x 512 maps.
    s.tally.Check(fs::exists(s.working / "colourbig.tga") &&
              fs::file_size(s.working / "colourbig.tga") == 18u + 512u * 512u * 3u,
          "second job: the colour map painted and kept");

    // A job that fails on a missing settings file shows its message and
    // leaves the dialog usable.
    const std::string completedText = s.Status();
    const fs::path settings = s.working.parent_path() / "Heightdata.con";
    fs::rename(settings, settings.string() + ".away");
    s.Click(IdGo);
    int splitterRuns = 2;
    s.WaitUntil([&] { return s.ErrorBox() || s.SplitterRuns() > splitterRuns; },
                "the job without settings ends", /*errorBoxExpected=*/true);
    if (HWND box = s.ErrorBox()) {
        s.tally.Check(Session::ErrorText(box) == "ERROR: reading \"../Heightdata.con\"\n",
              "the error box shows the job's message");
        CheckRunningState(s, "failed job, message shown");
        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
        s.WaitUntil([&] { return s.Idle(); }, "the failed job ends", /*errorBoxExpected=*/true);
        s.tally.Check(s.ErrorBox() == nullptr, "the error box is gone");
        s.tally.Check(s.Status() == completedText, "the status field keeps its text");
        s.tally.Check(ReadFileBytes(s.working / "log.txt").find("ERROR") == std::string::npos,
              "the error is not logged");
    } else {
        std::printf(
            "note: the job does not read the level's settings yet; "
            "no failed job was seen\n");
        ++splitterRuns;
        s.WaitForSplitter(splitterRuns);
        s.ReleaseSplitter();
        s.WaitForCompletedJob("the job without settings");
    }
    fs::rename(settings.string() + ".away", settings);

    // Escape leaves the dialog open; Enter, pressed after it, presses Go.
    for (WPARAM key : {VK_ESCAPE, VK_RETURN}) {
        ::PostMessageW(s.dialog, WM_KEYDOWN, key, 1);
        ::PostMessageW(s.dialog, WM_KEYUP, key, 0xC0000001);
    }
    ++splitterRuns;
    s.WaitForSplitter(splitterRuns);
    s.tally.Check(::IsWindowVisible(s.dialog) != FALSE, "Escape leaves the dialog open, Enter presses Go");
    CheckRunningState(s, "job started with Enter");

    // Closing the dialog while that job runs asks the job to stop, and the
    // painter ends once it has. A job that stops its commands ends the waiting
    // splitter itself; one that lets a running command finish goes on when
    // the splitter is let go.
    const std::vector<std::string> linesBefore = s.LogLines();
    ::PostMessageW(s.dialog, WM_CLOSE, 0, 0);
    DWORD status = 1;
    bool ended = s.painter.WaitForEnd(5s, status);
    if (!ended) {
        s.ReleaseSplitter();
        ended = s.painter.WaitForEnd(60s, status);
    }
    s.tally.Check(ended && status == 0, "closing during a job ends the painter with status 0");
    if (!ended) return;
    const auto lines = s.LogLines();
    static const std::regex completed(R"(Completed \([0-9]+\.[0-9]{4}s\))");
    const bool onlyTheEndAfter =
        std::all_of(lines.begin() + static_cast<std::ptrdiff_t>(
                                        std::min(linesBefore.size(), lines.size())),
                    lines.end(), [](const std::string& line) {
                        return std::regex_match(line, completed);
                    });
    s.tally.Check(!linesBefore.empty() && linesBefore.back() == "Spliting primary" &&
              lines.size() >= linesBefore.size() &&
              std::equal(linesBefore.begin(), linesBefore.end(), lines.begin()) && onlyTheEndAfter,
          "the log keeps the job's lines, whole, and at most its end after them");
    bool partial = false;
    for (const auto& entry : fs::recursive_directory_iterator(s.working)) {
        partial = partial || entry.path().extension() == ".partial";
    }
    s.tally.Check(!partial, "no half-written file is left");
    std::error_code noSize;
    s.tally.Check(fs::is_directory(s.working / "detailmaps") &&
              fs::file_size(s.working / "colourbig.tga", noSize) == 18u + 512u * 512u * 3u,
          "the job's finished files stay");
}

fs::path ThisProgram() {
    std::vector<wchar_t> buffer(32768);
    const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), 32768);
    return fs::path(std::wstring(buffer.data(), length));
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path self = ThisProgram();
    const std::wstring name = self.filename().wstring();
    if (_wcsicmp(name.c_str(), L"quillet.exe") == 0) return FakeSplitter(argc, argv);
    if (_wcsicmp(name.c_str(), L"nvdxt.exe") == 0) return 0;

    const fs::path root =
        fs::temp_directory_path() / ("marvane-dialog-" + std::to_string(::GetCurrentProcessId()));
    int status = 1;
    Tally tally;
    try {
        fs::remove_all(root);
        const fs::path working = WriteTestLevel(root / "Island");
        const fs::path bin = root / "bin";
        fs::create_directories(bin);
        const fs::path painterProgram = bin / "Marvane.exe";
        fs::copy_file(self.parent_path() / "Marvane.exe", painterProgram);
        fs::copy_file(self, bin / "quillet.exe");
        fs::copy_file(self, bin / "nvdxt.exe");

        {
            Painter painter(painterProgram, working);
            Session session{painter, working, tally};
            try {
                Drive(session, painterProgram);
            } catch (const Stop& stop) {
                tally.Check(false, stop.what());
            }
            // Whatever happened: let a waiting splitter go, end the painter.
            session.ReleaseSplitter();
        }
        {
            // An incomplete command line shows the dialog as well; closing it
            // with no job ends the painter normally.
            Painter painter(painterProgram, working, L"-mirror 1 -surround 1");
            Session session{painter, working, tally};
            try {
                session.WaitUntil(
                    [&] {
                        return (session.dialog = FindTopWindow(painter.Id(), Title)) != nullptr;
                    },
                    "the dialog shows for an incomplete command line");
                tally.Check(true, "an incomplete command line shows the dialog");
                ::PostMessageW(session.dialog, WM_CLOSE, 0, 0);
                DWORD exitStatus = 1;
                tally.Check(painter.WaitForEnd(30s, exitStatus) && exitStatus == 0,
                      "closing the idle dialog ends the painter with status 0");
                const auto lines = session.LogLines();
                tally.Check(lines.size() == 3 && lines[1] == "Marvane v0.33",
                      "the log holds the banner only");
            } catch (const Stop& stop) {
                tally.Check(false, stop.what());
            }
        }
        std::printf("%d passed, %d failed\n", tally.passed, tally.failed);
        status = tally.failed == 0 && tally.passed > 0 ? 0 : 1;
    } catch (const std::exception& error) {
        std::printf("FAIL: %s\n", error.what());
    }
    std::this_thread::sleep_for(500ms);  // a released splitter ends
    std::error_code ignored;
    fs::remove_all(root, ignored);
    return status;
}
