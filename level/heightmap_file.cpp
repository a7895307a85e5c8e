#include "level/heightmap_file.h"

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <system_error>

#include "common/platform/read_file.h"
#include "level/heightmap_samples.h"

namespace level {
namespace {

// The painter's slope kernel squares height differences, and products of
// their reciprocals appear in its cross products, all in single precision.
// Heights (all of one sign) up to this size keep both in range: squares up
// to 1e36, products down to 1e-36, against a float range of 1e-38 to 3e38.
// So every slope is a number; far beyond it a lone spike's triangle normals
// turn horizontal and can cancel to a zero vector. Real maps stay below 1e6.
constexpr float kLargestHeight = 1e18f;

// A file of exactly k * k samples for another k than the settings' size is
// the classic off-by-one (a 513-wide map under a size line of 512): read
// with the wrong row length, it paints sheared stripes. Any other length
// is taken as it always was: the samples from the file's start.
Status CheckSampleCount(std::string_view name, std::uint64_t length,
                        const HeightmapSettings& settings, bool sixteenBit) {
    if (length <= HeightmapBytes(settings.size, sixteenBit)) return Status();
    const std::optional<std::uint64_t> side = ExactSide(length, sixteenBit);
    if (!side) return Status();
    return Status::Failuref(
        "ERROR: %.*s holds %llu x %llu %s-bit samples, but the settings give its size as %d",
        static_cast<int>(name.size()), name.data(), static_cast<unsigned long long>(*side),
        static_cast<unsigned long long>(*side), sixteenBit ? "16" : "8", settings.size);
}

}  // namespace

Status CheckHeightmapSettings(std::string_view name, const HeightmapSettings& settings,
                              bool sixteenBit) {
    const std::string path(name);
    if (settings.size < 2 && !settings.sizeBeyondRange.empty()) {
        return Status::Failuref("ERROR: %s: size %s is outside 2 to %d (line %d of the settings: \"%s\")",
                                path.c_str(), settings.sizeBeyondRange.c_str(), INT32_MAX,
                                settings.sizeLineNumber, settings.sizeLine.c_str());
    }
    if (settings.horizontalScale == 0.0f && !settings.horizontalScaleBeyondRange.empty()) {
        return Status::Failuref(
            "ERROR: %s: horizontal scale %s is outside %d to %d (line %d of the settings: \"%s\")",
            path.c_str(), settings.horizontalScaleBeyondRange.c_str(), INT32_MIN, INT32_MAX,
            settings.scaleLineNumber, settings.scaleLine.c_str());
    }
    if (settings.size < 2) {
        return Status::Failuref(
            "ERROR: %s: size %d leaves no cell to sample (at least 2 samples per side)",
            path.c_str(), settings.size);
    }
    if (settings.horizontalScale == 0.0f || !std::isfinite(settings.horizontalScale)) {
        return Status::Failuref("ERROR: %s: horizontal scale %g leaves every slope undefined",
                                path.c_str(), static_cast<double>(settings.horizontalScale));
    }
    // A scale that reads as zero or less (a comma for a point, a blank
    // before the slash) would paint every map as level ground.
    if (settings.verticalScale <= 0.0f) {
        if (settings.scaleLineNumber > 0) {
            return Status::Failuref(
                "ERROR: %s: vertical scale %g is not above 0 (line %d of the settings: \"%s\")",
                path.c_str(), static_cast<double>(settings.verticalScale),
                settings.scaleLineNumber, settings.scaleLine.c_str());
        }
        return Status::Failuref(
            "ERROR: %s: vertical scale %g is not above 0 (the settings have no scale line for it)",
            path.c_str(), static_cast<double>(settings.verticalScale));
    }
    const float largestSample = sixteenBit ? 65535.0f : 255.0f;
    if (!(largestSample * std::fabs(settings.verticalScale) <= kLargestHeight)) {
        return Status::Failuref("ERROR: %s: vertical scale %g puts heights beyond %g", path.c_str(),
                                static_cast<double>(settings.verticalScale),
                                static_cast<double>(kLargestHeight));
    }
    return Status();
}

Status HeightmapFromBytes(std::span<const std::uint8_t> bytes, std::string_view name,
                          const HeightmapSettings& settings, bool sixteenBit, Heightmap& map) {
    if (Status s = CheckHeightmapSettings(name, settings, sixteenBit); !s.ok()) return s;
    if (Status s = CheckSampleCount(name, bytes.size(), settings, sixteenBit); !s.ok()) return s;
    const std::uint64_t needed = HeightmapBytes(settings.size, sixteenBit);
    if (bytes.size() < needed) {
        return Status::Failuref(
            "ERROR: %.*s holds %llu bytes, fewer than the %llu of %d x %d %s-bit samples",
            static_cast<int>(name.size()), name.data(),
            static_cast<unsigned long long>(bytes.size()), static_cast<unsigned long long>(needed),
            settings.size, settings.size, sixteenBit ? "16" : "8");
    }

    map.size = settings.size;
    map.horizontalScale = settings.horizontalScale;
    map.verticalScale = settings.verticalScale;
    map.heightRange = settings.heightRange;
    const std::size_t side = static_cast<std::size_t>(map.size);
    map.heights.resize(side * side);
    const float scale = map.verticalScale;
    for (std::size_t i = 0; i < map.heights.size(); ++i) {
        map.heights[i] = static_cast<float>(Sample(bytes, i, sixteenBit)) * scale;
    }
    return Status();
}

Status ReadHeightmap(const std::string& path, const HeightmapSettings& settings, bool sixteenBit,
                     Heightmap& map) {
    // The settings first: a size that no file could back is refused before
    // the file is even opened.
    if (Status s = CheckHeightmapSettings(path, settings, sixteenBit); !s.ok()) return s;
    std::error_code error;
    const std::uintmax_t length = std::filesystem::file_size(path, error);
    if (!error) {
        if (Status s = CheckSampleCount(path, length, settings, sixteenBit); !s.ok()) return s;
    }
    std::vector<std::uint8_t> bytes;
    if (!platform::ReadFileStart(path.c_str(), bytes, HeightmapBytes(settings.size, sixteenBit))
             .ok()) {
        return Status::Failuref("ERROR: opening %s", path.c_str());
    }
    return HeightmapFromBytes(bytes, path, settings, sixteenBit, map);
}

}  // namespace level
