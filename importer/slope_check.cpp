#include "importer/slope_check.h"

#include <algorithm>
#include <cmath>
#include <numbers>

double MedianSlopeDegrees(const std::vector<double>& values, std::size_t side, double metresPerUnit,
                          double spacingX, double spacingY) {
    const std::size_t stride = std::max<std::size_t>(1, side / 256);
    std::vector<double> gradients;
    for (std::size_t line = 0; line < side; line += stride) {
        for (std::size_t i = 0; i + 1 < side; ++i) {
            const double across = values[line * side + i + 1] - values[line * side + i];
            const double down = values[(i + 1) * side + line] - values[i * side + line];
            gradients.push_back(std::fabs(across) * metresPerUnit / spacingX);
            gradients.push_back(std::fabs(down) * metresPerUnit / spacingY);
        }
    }
    if (gradients.empty()) return 0.0;
    const auto middle = gradients.begin() + static_cast<std::ptrdiff_t>(gradients.size() / 2);
    std::nth_element(gradients.begin(), middle, gradients.end());
    return std::atan(*middle) * 180.0 / std::numbers::pi;
}
