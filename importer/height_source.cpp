#include "importer/height_source.h"

#include <algorithm>

namespace {

class GridSource final : public HeightSource {
public:
    explicit GridSource(HeightGrid grid) : grid_(std::move(grid)) {
        info_.width = grid_.width;
        info_.height = grid_.height;
        info_.format = grid_.format;
        info_.spacingX = grid_.spacingX;
        info_.spacingY = grid_.spacingY;
        info_.metresPerUnit = grid_.metresPerUnit;
        info_.notes = grid_.notes;
    }

    Status Read(std::size_t left, std::size_t top, std::size_t columns, std::size_t rows,
                float* out) override {
        for (std::size_t r = 0; r < rows; ++r) {
            const float* in = grid_.values.data() + (top + r) * grid_.width + left;
            std::copy(in, in + columns, out + r * columns);
        }
        return Status();
    }

private:
    HeightGrid grid_;
};

}  // namespace

std::unique_ptr<HeightSource> MakeGridSource(HeightGrid grid) {
    return std::make_unique<GridSource>(std::move(grid));
}
