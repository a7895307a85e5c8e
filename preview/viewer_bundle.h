#pragma once

#include <string_view>

// The browser side of the preview: three.js and the viewer, bundled into one
// script (third_party/three/preview_viewer.js), built into the program.
std::string_view ViewerBundle();
