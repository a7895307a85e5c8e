#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "common/platform/open_document.h"

namespace platform {

Status OpenWithDefaultProgram(const std::string& path) {
    // Values up to 32 are errors (the call's documented convention).
    const INT_PTR result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32) {
        return Status::Failuref("ERROR: could not open %s in a browser (error %d)", path.c_str(),
                                static_cast<int>(result));
    }
    return Status();
}

}  // namespace platform
