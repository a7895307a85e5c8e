#include "importer/resample.h"

#include <algorithm>
#include <cmath>

std::size_t PowerOfTwoPlusOne(std::size_t side) {
    std::size_t n = 3;
    while (n < side) n = 2 * n - 1;
    return n;
}

Status PlanResample(std::size_t width, std::size_t height, std::optional<std::size_t> size, Fit fit,
                    const std::string& name, ResamplePlan& plan) {
    plan = ResamplePlan();
    if (width < 2 || height < 2) {
        return Status::Failuref("ERROR: %s: %zu x %zu samples; a heightmap needs at least 2 x 2",
                                name.c_str(), width, height);
    }
    plan.regionWidth = width;
    plan.regionHeight = height;
    if (width != height) {
        if (fit == Fit::Refuse) {
            return Status::Failuref(
                "ERROR: %s: %zu x %zu samples is not square; give --crop for "
                "its centred square or --stretch to fit each side",
                name.c_str(), width, height);
        }
        if (fit == Fit::Crop) {
            const std::size_t shorter = std::min(width, height);
            plan.left = (width - shorter) / 2;
            plan.top = (height - shorter) / 2;
            plan.regionWidth = plan.regionHeight = shorter;
        }
    }
    if (size) {
        if (*size < kMinOutputSide || *size > kMaxOutputSide) {
            return Status::Failuref("ERROR: output side %zu is not from %zu to %zu", *size,
                                    kMinOutputSide, kMaxOutputSide);
        }
        plan.side = *size;
        return Status();
    }
    const std::size_t longer = std::max(plan.regionWidth, plan.regionHeight);
    plan.side = std::min(PowerOfTwoPlusOne(longer), kMaxDefaultSide);
    plan.capped = longer > kMaxDefaultSide;
    return Status();
}

std::vector<Resampler::Tap> Resampler::Taps(std::size_t offset, std::size_t regionSide,
                                            std::size_t side) {
    std::vector<Tap> taps(side);
    for (std::size_t i = 0; i < side; ++i) {
        // i × (regionSide − 1) / (side − 1), with the product first: exact
        // whole numbers wherever the grids meet, the last sample included.
        const double x = static_cast<double>(i) * static_cast<double>(regionSide - 1) /
                         static_cast<double>(side - 1);
        std::size_t lower = static_cast<std::size_t>(std::floor(x));
        lower = std::min(lower, regionSide - 1);
        Tap& tap = taps[i];
        tap.first = offset + lower;
        if (lower + 1 < regionSide) {
            tap.second = tap.first + 1;
            tap.weight = x - static_cast<double>(lower);
        } else {
            tap.second = tap.first;
            tap.weight = 0.0;
        }
    }
    return taps;
}

Resampler::Resampler(const HeightGrid& grid, const ResamplePlan& plan)
    : grid_(grid),
      side_(plan.side),
      columns_(Taps(plan.left, plan.regionWidth, plan.side)),
      rows_(Taps(plan.top, plan.regionHeight, plan.side)) {}

double Resampler::At(std::size_t row, std::size_t column) const {
    const Tap& r = rows_[row];
    const Tap& c = columns_[column];
    const double p00 = grid_.at(r.first, c.first);
    const double p01 = grid_.at(r.first, c.second);
    const double p10 = grid_.at(r.second, c.first);
    const double p11 = grid_.at(r.second, c.second);
    // A weight of 0 gives the lower neighbour exactly.
    const double top = p00 + (p01 - p00) * c.weight;
    const double bottom = p10 + (p11 - p10) * c.weight;
    return top + (bottom - top) * r.weight;
}
