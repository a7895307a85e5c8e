#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The dialog's title names the level: the parent folder of the working folder.

// The longest title the dialog shows; a longer folder name is cut to fit.
constexpr size_t kMaxTitleLength = 127;

// The parent folder's name in a working folder's full path, with the given
// separator: "Island" for C:\Levels\Island\paint, "D:" for D:\paint. A
// trailing separator counts as the end of the last name, so
// C:\Levels\Island\paint\ gives "paint". A POSIX path just below the root
// gives the root, "/".
std::string TitleFolderName(std::string_view workingFolder, char separator);

// "Harrow's Marvane v0.33 - [name]" for the working folder, at most
// kMaxTitleLength bytes: an overlong name is cut, never inside a UTF-8 character.
std::string DialogTitle(std::string_view workingFolder, char separator);
