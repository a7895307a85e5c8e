#include "painter/app/dialog_title.h"

namespace {

constexpr std::string_view kTitleStart = "Harrow's Marvane v0.33 - [";
constexpr std::string_view kTitleEnd = "]";

}  // namespace

std::string TitleFolderName(std::string_view workingFolder, char separator) {
    // Drop the working folder's own name (or just the trailing separator).
    std::string_view parent = workingFolder;
    const size_t cut = parent.rfind(separator);
    if (cut != std::string_view::npos) parent = parent.substr(0, cut);
    // The last name of what remains is the level's folder.
    const size_t start = parent.rfind(separator);
    std::string_view name = start == std::string_view::npos ? parent : parent.substr(start + 1);
    // On POSIX a folder just below the root has the root as its parent.
    if (name.empty() && cut == 0) return std::string(1, separator);
    return std::string(name);
}

std::string DialogTitle(std::string_view workingFolder, char separator) {
    const std::string name = TitleFolderName(workingFolder, separator);
    constexpr size_t room = kMaxTitleLength - kTitleStart.size() - kTitleEnd.size();
    size_t length = name.size();
    if (length > room) {
        length = room;
        // Back off over UTF-8 continuation bytes so no character is split.
        while (length > 0 && (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80) --length;
    }
    std::string title(kTitleStart);
    title.append(name, 0, length);
    title.append(kTitleEnd);
    return title;
}
