#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A picture of 8-bit red, green, blue, top row first, as a data URI for a
// web page: JPEG for photographs of ground (the colour map), PNG where every
// value counts (the blend weights).
std::string JpegDataUri(const std::vector<std::uint8_t>& rgb, std::size_t width,
                        std::size_t height);
std::string PngDataUri(const std::vector<std::uint8_t>& rgb, std::size_t width,
                       std::size_t height);
