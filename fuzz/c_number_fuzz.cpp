// The locale-free number readers against the C library's own in the "C"
// locale (the process never leaves it here): the same value to the bit and
// the same end, for any text. On Windows only that they read safely: its C
// library is not the reference.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "common/text/c_number.h"
#include "fuzz/fuzz_support.h"

namespace {

template <class Real>
bool SameBits(Real a, Real b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// glibc 2.36 rounds some hexadecimal numbers that land among the subnormals
// one unit low (0xBBBBB1.8p-150 gives 0x5DDDD8 units of 2^-149 where
// 6151640.75 rounds to 0x5DDDD9); ours are correctly rounded. Among the
// subnormals one unit apart counts as the same.
template <class Real>
bool SameOrSubnormalNeighbour(Real ours, Real reference) {
    if (SameBits(ours, reference)) return true;
    const Real smallest = std::numeric_limits<Real>::min();
    return std::fabs(reference) < smallest && std::fabs(ours) <= smallest &&
           (std::nextafter(reference, ours) == ours);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Long digit runs add nothing the first kilobytes do not.
    const std::string text(reinterpret_cast<const char*>(data), size < 4096 ? size : 4096);
    const char* start = text.c_str();

    float single = 0.0f;
    double wide = 0.0;
    long long whole = 0;
    const char* singleEnd = ReadCFloat(start, single);
    const char* wideEnd = ReadCDouble(start, wide);
    const char* wholeEnd = ReadCInteger(start, whole);
    for (const char* end : {singleEnd, wideEnd, wholeEnd}) {
        FUZZ_CHECK(end == nullptr || (end > start && end <= start + text.size()));
    }
#ifndef _WIN32
    char* end = nullptr;
    const float expectedSingle = std::strtof(start, &end);
    FUZZ_CHECK(singleEnd == (end == start ? nullptr : end));
    if (singleEnd) FUZZ_CHECK(SameOrSubnormalNeighbour(single, expectedSingle));
    const double expectedWide = std::strtod(start, &end);
    FUZZ_CHECK(wideEnd == (end == start ? nullptr : end));
    if (wideEnd) FUZZ_CHECK(SameOrSubnormalNeighbour(wide, expectedWide));
    const long long expectedWhole = std::strtoll(start, &end, 10);
    FUZZ_CHECK(wholeEnd == (end == start ? nullptr : end));
    if (wholeEnd) FUZZ_CHECK(whole == expectedWhole);
#endif
    return 0;
}
