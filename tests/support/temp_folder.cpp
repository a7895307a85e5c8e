#include "tests/support/temp_folder.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace testing_support {
namespace fs = std::filesystem;

TempWorkingFolder::TempWorkingFolder() : previous_(fs::current_path()) {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate = fs::temp_directory_path() /
                             ("marvane-test-" + std::to_string(stamp) + "-" +
                              std::to_string(counter++));
        if (fs::create_directory(candidate)) {
            path_ = candidate;
            fs::current_path(path_);
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempWorkingFolder::~TempWorkingFolder() {
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

std::string ReadFileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> ReadLines(const fs::path& path) {
    std::vector<std::string> lines;
    std::string line;
    for (char ch : ReadFileBytes(path)) {
        if (ch == '\r') continue;
        if (ch == '\n') {
            lines.push_back(line);
            line.clear();
        } else {
            line += ch;
        }
    }
    if (!line.empty()) lines.push_back(line + " (unfinished line)");
    return lines;
}

void WriteFileBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace testing_support
