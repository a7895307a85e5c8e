#pragma once

#include <string>
#include <string_view>

#include "preview/level_view.h"

// The whole preview page: the level's data block and the viewer, inlined, so
// that the page opens from disk with no server and no network.
std::string PreviewPage(const LevelView& view, std::string_view viewer);
