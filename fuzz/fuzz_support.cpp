#include "fuzz/fuzz_support.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace fuzz_support {
namespace fs = std::filesystem;

namespace {

// Removed when the process ends normally; a crashed run leaves its folder
// behind for a look at the files it was reading.
struct Scratch {
    fs::path path;
    Scratch() {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        for (int attempt = 0; attempt < 100; ++attempt) {
            fs::path candidate = fs::temp_directory_path() /
                                 ("marvane-fuzz-" + std::to_string(stamp) + "-" +
                                  std::to_string(attempt));
            std::error_code error;
            if (fs::create_directory(candidate, error)) {
                path = candidate;
                return;
            }
        }
        throw std::runtime_error("cannot create a scratch folder");
    }
    ~Scratch() {
        // Some targets work inside the folder, and Windows keeps a current
        // folder from being removed.
        std::error_code ignored;
        fs::current_path(fs::temp_directory_path(), ignored);
        fs::remove_all(path, ignored);
    }
};

}  // namespace

const fs::path& ScratchFolder() {
    static const Scratch scratch;
    return scratch.path;
}

std::string WriteScratchFile(const char* name, const std::uint8_t* data, std::size_t size) {
    const fs::path path = ScratchFolder() / name;
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    if (!file) CheckFailed("the scratch file can be created", __FILE__, __LINE__);
    const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    if (std::fclose(file) != 0 || !written) {
        CheckFailed("the scratch file can be written", __FILE__, __LINE__);
    }
    return path.string();
}

std::string ReadWholeFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void UseOneThread() {
#ifdef _WIN32
    _putenv_s("MARVANE_THREADS", "1");
#else
    setenv("MARVANE_THREADS", "1", 1);
#endif
}

void CheckFailed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::fflush(stderr);
    std::abort();
}

std::uint8_t InputReader::Byte() {
    if (left_ == 0) return 0;
    --left_;
    return *data_++;
}

std::uint16_t InputReader::Word() {
    const std::uint16_t low = Byte();
    return static_cast<std::uint16_t>(low | (Byte() << 8));
}

std::uint32_t InputReader::Long() {
    const std::uint32_t low = Word();
    return low | (static_cast<std::uint32_t>(Word()) << 16);
}

std::string InputReader::Bytes(std::size_t n) {
    n = std::min(n, left_);
    std::string bytes(reinterpret_cast<const char*>(data_), n);
    data_ += n;
    left_ -= n;
    return bytes;
}

}  // namespace fuzz_support
