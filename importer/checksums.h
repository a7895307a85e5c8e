#pragma once

#include <cstddef>
#include <cstdint>

// The two checks a PNG carries: the CRC-32 of each chunk (ISO 3309, as in
// zlib's crc32) and the Adler-32 of its zlib stream's inflated bytes. The
// Windows build has no zlib, so both are here.

// CRC-32 of `size` bytes, continuing from `crc` (0 to start).
std::uint32_t Crc32(const std::uint8_t* bytes, std::size_t size, std::uint32_t crc = 0);

// Adler-32 of `size` bytes, continuing from `adler` (1 to start).
std::uint32_t Adler32(const std::uint8_t* bytes, std::size_t size, std::uint32_t adler = 1);
