#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

// A fresh, empty folder that becomes the current folder for the life of the
// object; the previous current folder comes back and the folder is deleted
// afterwards. The painter works on relative paths, so each test gets its own.
class TempWorkingFolder {
public:
    TempWorkingFolder();
    ~TempWorkingFolder();
    TempWorkingFolder(const TempWorkingFolder&) = delete;
    TempWorkingFolder& operator=(const TempWorkingFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

// Whole file as bytes ("" when it cannot be read), and a file written whole.
std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);

// The lines of a text file such as log.txt, line ends (LF or CR LF) removed.
// A last line without its line end comes back marked " (unfinished line)".
std::vector<std::string> ReadLines(const std::filesystem::path& path);

}  // namespace testing_support
