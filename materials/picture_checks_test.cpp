#include "materials/picture_checks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using materials::JpegTablesFit;

const std::string kStart("\xFF\xD8", 2);
const std::string kEnd("\xFF\xD9", 2);
// A scan header of one component, then coded data.
const std::string kScan("\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00", 10);

// One Huffman table of `codes` codes, its counts split over the two longest
// lengths.
std::string Table(size_t codes) {
    std::string table(1, '\0');  // class and number
    table += std::string(14, '\0');
    table += char(codes / 2);
    table += char(codes - codes / 2);
    return table + std::string(codes, '\x07');
}

std::string TablesSegment(const std::string& tables) {
    const size_t length = 2 + tables.size();
    return std::string("\xFF\xC4", 2) + char(length >> 8) + char(length & 0xFF) + tables;
}

TEST(PictureChecks, FindEveryHuffmanTableTheDecoderWouldBuild) {
    const std::string full = TablesSegment(Table(256)), over = TablesSegment(Table(300));
    const struct {
        const char* name;
        std::string bytes;
        bool fit;
    } cases[] = {
        {"256 codes", kStart + full + kEnd, true},
        {"257 codes", kStart + TablesSegment(Table(257)) + kEnd, false},
        {"the second table of a segment", kStart + TablesSegment(Table(12) + Table(300)), false},
        {"behind bytes between segments", kStart + "\x12\x34" + over, false},
        {"behind fill before the start", "\xFF" + kStart + over, false},
        {"after a scan's data", kStart + full + kScan + "\x11\x22" + over, false},
        {"after stuffed bytes, restarts and fill in the data",
         kStart + full + kScan + std::string("\x11\xFF\x00\x22\xFF\xD3\x33\xFF\xFF\x00\x44", 11) +
             over,
         false},
        {"after the end of the image", kStart + full + kScan + "\x11" + kEnd + over, true},
        {"not a JPEG", "\x89PNG" + over, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(
            JpegTablesFit({reinterpret_cast<const std::uint8_t*>(c.bytes.data()), c.bytes.size()}),
            c.fit);
    }
}

}  // namespace
