#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// Shrinks a grid of samples by averaging, so that every input sample counts
// (a point-sampled shrink keeps a few samples and drops the rest, and their
// slopes turn into noise). A grid of vertices (a heightmap) keeps its
// corners: output vertex j of m lies where input vertex j * (n - 1) / (m - 1)
// does, and is the average of the input over the stretch of that width
// centred on it (narrower near the ends, so that it stays centred), each
// input vertex standing for the unit stretch around itself. A sloping plane
// stays the same plane. Channels are interleaved; a side that does not
// shrink (m >= n) is copied as it is.
//
// The weights depend only on the sides, and each output sample is summed
// in one order, so the result is the same on every machine and for any number
// of cores. Only a row of sums per core is held beside the output, whatever
// the input's size.
std::vector<float> AverageVertexGrid(const float* samples, std::size_t width, std::size_t height,
                                     std::size_t channels, std::size_t outWidth,
                                     std::size_t outHeight);

// The input samples one output sample averages, with their weights (which
// add up to 1).
struct AverageFootprint {
    std::size_t first = 0;
    std::vector<double> weights;
};

// The footprints AverageVertexGrid gives each of m output vertices along a
// side of n input vertices (m < n): for callers that stream their own rows,
// or skip samples without data.
std::vector<AverageFootprint> VertexAverageFootprints(std::size_t n, std::size_t m);

// The same for a picture of 8-bit channels (pixels, not vertices: output
// pixel j covers input pixels j * n / m to (j + 1) * n / m), rounded to the
// nearest byte (a half up; exact where m divides n). `row` gives input row
// y (counted as the output's rows are), so a picture stored bottom row
// first, or mapped from a file, is read in place; it is asked from several
// threads at once. Rows are asked for from the top down, a few groups at a
// time: `passed`, when given, is told now and then the first input row that
// will still be asked for, so that the pages of a mapped file above it can
// be given back.
std::vector<std::uint8_t> AveragePixels(const std::function<const std::uint8_t*(std::size_t)>& row,
                                        std::size_t width, std::size_t height,
                                        std::size_t channels, std::size_t outWidth,
                                        std::size_t outHeight,
                                        const std::function<void(std::size_t)>& passed = {});
std::vector<std::uint8_t> AveragePixels(const std::uint8_t* pixels, std::size_t width,
                                        std::size_t height, std::size_t channels,
                                        std::size_t outWidth, std::size_t outHeight);
