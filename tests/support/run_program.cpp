#include "tests/support/run_program.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/platform/platform.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace program_testing {
namespace {

std::string OriginalPath() {
    static const std::string original = [] {
        const char* path = std::getenv("PATH");
        return std::string(path ? path : "");
    }();
    return original;
}

}  // namespace

std::string ProgramBesideTest(const char* name) {
    // Appended piece by piece: GCC 12 warns wrongly about "literal" + string.
    std::string program = "\"";
    program += platform::ExecutableFolder();
#ifdef _WIN32
    program += '\\';
    program += name;
    program += ".exe";
#else
    program += '/';
    program += name;
#endif
    program += '"';
    return program;
}

int RunAndWait(const std::string& commandLine) {
    std::fflush(nullptr);
#ifdef _WIN32
    // cmd.exe drops the first and the last quote of a line that starts with
    // one; wrapping the whole line keeps the program's own quotes.
    return std::system(("\"" + commandLine + "\"").c_str());
#else
    const int status = std::system(commandLine.c_str());
    return (status != -1 && WIFEXITED(status)) ? WEXITSTATUS(status) : -1;
#endif
}

void UseFolderFirstOnPath(const std::string& folder) {
    const std::string original = OriginalPath();
#ifdef _WIN32
    const std::string setting = "PATH=" + folder + ";" + original;
    _putenv(setting.c_str());
#else
    const std::string value = folder + ":" + original;
    ::setenv("PATH", value.c_str(), 1);
#endif
}

std::string ReadText(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::string text;
    for (std::istreambuf_iterator<char> it(in), end; it != end; ++it) {
        if (*it != '\r') text += *it;
    }
    return text;
}

void WriteRecordingStandIn(const std::string& folder, const char* program, const char* log) {
    namespace fs = std::filesystem;
#ifdef _WIN32
    std::ofstream script(fs::path(folder) / (std::string(program) + ".bat"), std::ios::binary);
    script << "@echo %*>>" << log << "\r\n";
#else
    const fs::path path = fs::path(folder) / program;
    {
        std::ofstream script(path, std::ios::binary);
        script << "#!/bin/sh\nprintf '%s\\n' \"$*\" >> " << log << "\n";
    }
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add);
#endif
}

}  // namespace program_testing
