#include "importer/height_grid.h"

#include <cmath>

bool InputSidesAllowed(std::size_t width, std::size_t height) {
    return width >= 1 && height >= 1 && width <= kMaxInputSide && height <= kMaxInputSide &&
           width * height <= kMaxInputSamples;
}

Status RefuseInfinite(const HeightGrid& grid, const std::string& name) {
    for (std::size_t i = 0; i < grid.values.size(); ++i) {
        if (std::isinf(grid.values[i])) {
            return Status::Failuref("ERROR: %s: the sample at row %zu, column %zu is infinite",
                                    name.c_str(), i / grid.width, i % grid.width);
        }
    }
    return Status();
}
