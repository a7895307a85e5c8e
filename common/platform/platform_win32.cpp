#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "common/platform/platform.h"

namespace platform {

bool MakeFolder(const char* path) { return ::CreateDirectoryA(path, nullptr) != 0; }

void RemoveFile(const char* path) { std::remove(path); }

std::int64_t MillisecondClock() { return static_cast<std::int64_t>(::GetTickCount64()); }

std::string CurrentFolder() {
    const DWORD needed = ::GetCurrentDirectoryA(0, nullptr);
    if (needed == 0) return std::string();
    std::vector<char> buffer(needed + 1);
    const DWORD length = ::GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length == 0 || length >= buffer.size()) return std::string();
    return std::string(buffer.data(), length);
}

std::string ExecutableFolder() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return std::string();
        if (length < buffer.size()) {
            std::string path(buffer.data(), length);
            const size_t slash = path.find_last_of("\\/");
            return slash == std::string::npos ? std::string() : path.substr(0, slash);
        }
        if (buffer.size() >= 32768) return std::string();
        buffer.resize(buffer.size() * 2);
    }
}

void PutFolderFirstOnPath(const std::string& folder) {
    if (folder.empty()) return;
    const char* old = std::getenv("PATH");
    std::string setting = "PATH=";
    setting.append(folder);
    if (old && *old) setting.append(";").append(old);
    // _putenv updates both the runtime's copy, which system() hands to the
    // interpreter, and the process environment.
    _putenv(setting.c_str());
}

std::uint64_t PhysicalMemoryBytes() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!::GlobalMemoryStatusEx(&status)) return 0;
    return static_cast<std::uint64_t>(status.ullTotalPhys);
}

}  // namespace platform
