#pragma once

#include <array>
#include <cstddef>
#include <vector>

// A square picture as three planes of doubles (red, green, blue), each row
// by row from the top: the working form between a picture and its texture,
// where sums keep their fractions until the texture's bytes are rounded.
namespace materials {

struct ColourPlanes {
    size_t side = 0;
    std::array<std::vector<double>, 3> channel;

    // side × side samples a plane, all 0.
    static ColourPlanes Make(size_t side) {
        ColourPlanes planes;
        planes.side = side;
        for (std::vector<double>& plane : planes.channel) plane.assign(side * side, 0.0);
        return planes;
    }
};

}  // namespace materials
