#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "common/status/status.h"
#include "importer/height_grid.h"
#include "level/level_names.h"

// Output sides the painter takes (its maps are 4 × (N − 1) texels wide, at
// most 32764), and the largest side chosen without --size.
constexpr std::size_t kMinOutputSide = 3;
constexpr std::size_t kMaxOutputSide = level::kLargestPrimarySize;
constexpr std::size_t kMaxDefaultSide = 4097;

// What to do with an input that is not square.
enum class Fit { Refuse, Stretch, Crop };

// The output side and the part of the input it covers.
struct ResamplePlan {
    std::size_t side = 0;  // N
    std::size_t left = 0;  // first column and row of the input region
    std::size_t top = 0;
    std::size_t regionWidth = 0;
    std::size_t regionHeight = 0;
    // Whether the side was chosen by default and held at kMaxDefaultSide
    // below the input's longer side.
    bool capped = false;
};

// The smallest 2^k + 1 not below `side` (at least 3).
std::size_t PowerOfTwoPlusOne(std::size_t side);

// Chooses N (`size` when given, else the smallest 2^k + 1 not below the
// region's longer side, at most kMaxDefaultSide) and the region: the whole
// input, or with Fit::Crop its centred square. Fails, naming `name`, for a
// side below 2 and for a non-square input with Fit::Refuse.
Status PlanResample(std::size_t width, std::size_t height, std::optional<std::size_t> size, Fit fit,
                    const std::string& name, ResamplePlan& plan);

// Bilinear resampling of a region onto N × N samples over its whole extent:
// output sample i lies at region coordinate i × (region side − 1) / (N − 1),
// so the region's corners land exactly on the output's corners. The grid
// must hold no NaN and outlive the resampler.
class Resampler {
public:
    Resampler(const HeightGrid& grid, const ResamplePlan& plan);
    std::size_t side() const { return side_; }
    // The value at output row `row`, column `column`, in the grid's unit.
    double At(std::size_t row, std::size_t column) const;

private:
    struct Tap {
        std::size_t first;   // input index of the lower neighbour
        std::size_t second;  // of the upper one (the same at the far edge)
        double weight;       // of the upper one
    };
    static std::vector<Tap> Taps(std::size_t offset, std::size_t regionSide, std::size_t side);

    const HeightGrid& grid_;
    std::size_t side_;
    std::vector<Tap> columns_;
    std::vector<Tap> rows_;
};
