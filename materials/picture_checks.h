#pragma once

#include <cstdint>
#include <span>

// What a picture file's bytes are checked for before stb_image is let at
// them: the sides it claims, and the faults that would have that copy of
// the decoder allocate by a claim or write past its tables.
namespace materials {

// The sides a PNG or JPEG header states, read where they lie: for a message
// when the decoder refuses sides too large for its sizes. False when the
// bytes hold none.
bool ClaimedSides(std::span<const std::uint8_t> bytes, int& width, int& height);

// Whether a PNG's chunks all lie inside the bytes up to its closing chunk,
// and its image data can hold `width` × `height` pixels of its depth
// (deflate packs at most 1032 bytes into one). stb_image sizes its buffers
// by the header's claim before it sees whether the bytes are there, so a
// few hundred bytes could have it ask for most of a gigabyte. A first image
// data chunk of no bytes, legal but written by no encoder, fails too:
// stb_image would copy it to a null buffer.
bool PngDataCanHoldSides(std::span<const std::uint8_t> bytes, std::uint64_t width,
                         std::uint64_t height);

// Whether a TGA's pixel data can hold `width` × `height` pixels: all of
// them stored, or with run-length packets (at most 128 pixels in one, each
// at least a count byte and one pixel). The decoder, like the PNG one, sizes
// its buffer by the header and then decodes the whole image out of nothing,
// so an 18-byte header could otherwise cost a quarter of a gigabyte and
// seconds of work.
bool TgaDataCanHoldSides(std::span<const std::uint8_t> bytes, std::uint64_t width,
                         std::uint64_t height);

// Whether the decoder takes the bytes for a JPEG: FF, any number of FF
// fill bytes, then D8 (the start of image).
bool LooksLikeJpeg(std::span<const std::uint8_t> bytes);

// Whether every Huffman table of a JPEG holds at most the 256 codes there is
// room for. The stb_image that Debian ships (2022) builds a table from the
// code counts of the file without adding them up, and writes past its
// arrays when they come to more. The marker segments are walked as the
// decoder walks them, byte by byte where it skips, the entropy-coded data
// of each scan up to its closing marker, so that no table it would build is
// missed. True for bytes that are not a JPEG.
bool JpegTablesFit(std::span<const std::uint8_t> bytes);

}  // namespace materials
