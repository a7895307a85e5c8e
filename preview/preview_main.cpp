// marvane_preview: writes preview.html, a 3D view of the painted level that
// opens in any browser from disk.
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>

#include "common/platform/file_commit.h"
#include "common/platform/open_document.h"
#include "common/status/status.h"
#include "preview/level_view.h"
#include "preview/preview_page.h"
#include "preview/viewer_bundle.h"

namespace {

const char* const kUsage =
    "usage: marvane_preview [--dir WORKDIR] [--output FILE] [--open]\n"
    "Writes a page that shows the level painted in the working folder (the\n"
    "current one, or WORKDIR) in 3D: open it in any browser, no server needed.\n"
    "  --dir WORKDIR   the painter's working folder inside the level\n"
    "  --output FILE   the page to write (default preview.html in the working folder)\n"
    "  --open          open the page in the default browser once it is written\n"
    "  -h, --help      show this text\n"
    "  --version       show the version\n"
    "\n"
    "Exit status: 0 the page was written (and opened), 1 the level could not be\n"
    "read, or the page written or opened, 2 wrong options.\n";

// What a path is when it is not a regular file: for messages.
const char* KindOf(std::filesystem::file_type type) {
    switch (type) {
        case std::filesystem::file_type::directory: return "a folder";
        case std::filesystem::file_type::fifo: return "a named pipe";
        case std::filesystem::file_type::character:
        case std::filesystem::file_type::block: return "a device";
        case std::filesystem::file_type::socket: return "a socket";
        default: return "not a regular file";
    }
}

// The working folder named by --dir becomes the current one; "" or why not.
std::string EnterFolder(const std::string& folder) {
    std::error_code error;
    const auto status = std::filesystem::status(folder, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return "ERROR: --dir " + folder + ": no such folder; name the painter's working folder";
    }
    if (!error && status.type() != std::filesystem::file_type::directory) {
        return "ERROR: --dir " + folder + " is " +
               (status.type() == std::filesystem::file_type::regular ? "a file"
                                                                     : KindOf(status.type())) +
               ", not a folder; name the painter's working folder (the one that holds log.txt)";
    }
    std::filesystem::current_path(folder, error);
    if (error) return "ERROR: --dir " + folder + ": cannot enter it (" + error.message() + ")";
    return "";
}

// The page replaces a regular file or takes a new name; anything else (a
// named pipe would hold the program for ever, a device or a folder would
// get the page's bytes or refuse them only at the end) is refused first.
std::string CheckOutput(const std::string& output) {
    std::error_code error;
    const auto status = std::filesystem::status(output, error);
    const auto type = status.type();
    if (type == std::filesystem::file_type::not_found || type == std::filesystem::file_type::regular) {
        return "";
    }
    if (error) return "ERROR: --output " + output + ": " + error.message();
    return "ERROR: --output " + output + " is " + KindOf(type) +
           ": name a new file or a regular one";
}

// The half-written page of a run that was killed: the default name's, and
// that of the name asked for now; only regular files.
void RemoveLeftPages(const std::string& output) {
    for (const std::string& page : {std::string("preview.html"), output}) {
        const std::string partial = page + ".partial";
        std::error_code error;
        if (std::filesystem::symlink_status(partial, error).type() ==
            std::filesystem::file_type::regular) {
            std::filesystem::remove(partial, error);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder;
    std::string output = "preview.html";
    bool open = false;
    for (int i = 1; i < argc; ++i) {
        const char* option = argv[i];
        if (!std::strcmp(option, "-h") || !std::strcmp(option, "--help") || !std::strcmp(option, "/?")) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (!std::strcmp(option, "--version")) {
            std::puts("marvane_preview " MARVANE_VERSION);
            return 0;
        }
        if (!std::strcmp(option, "--open")) {
            open = true;
            continue;
        }
        const bool dir = !std::strcmp(option, "--dir");
        if ((!dir && std::strcmp(option, "--output")) || i + 1 >= argc || !*argv[i + 1]) {
            std::fprintf(stderr, "ERROR: %s %s\n%s", option,
                         dir || !std::strcmp(option, "--output") ? "needs a value"
                                                                 : "is not an option",
                         kUsage);
            return 2;
        }
        (dir ? folder : output) = argv[++i];
    }
    std::error_code error;
    if (!folder.empty()) {
        if (const std::string refused = EnterFolder(folder); !refused.empty()) {
            std::fprintf(stderr, "%s\n", refused.c_str());
            return 1;
        }
    }
    if (const std::string refused = CheckOutput(output); !refused.empty()) {
        std::fprintf(stderr, "%s\n", refused.c_str());
        return 1;
    }
    RemoveLeftPages(output);
    try {
        LevelView view;
        if (const Status read = ReadLevelView(view); !read.ok()) {
            // The settings reader's message ends its own line.
            const std::string& text = read.message();
            std::fputs(text.c_str(), stderr);
            if (text.empty() || text.back() != '\n') std::fputc('\n', stderr);
            return 1;
        }
        const std::string page = PreviewPage(view, ViewerBundle());
        platform::FileCommit file;
        Status written = file.Open(output.c_str());
        if (written.ok()) {
            file.Write(page.data(), page.size());  // Commit reports a failure
            written = file.Commit();
        }
        if (!written.ok()) {
            std::fprintf(stderr, "%s\n", written.message().c_str());
            return 1;
        }
        for (const std::string& note : view.notes) std::printf("Note: %s\n", note.c_str());
        // Where it is, in full, so that it can be opened from any folder.
        std::string where = std::filesystem::absolute(output, error).string();
        if (error) where = output;
        std::printf("Preview written to %s\n", where.c_str());
        if (open) {
            std::fflush(stdout);
            const Status opened = platform::OpenWithDefaultProgram(where);
            if (!opened.ok()) {
                std::fprintf(stderr, "%s\n", opened.message().c_str());
                return 1;
            }
        }
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "ERROR: %s\n", error.what());
        return 1;
    }
}
