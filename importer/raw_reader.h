#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "common/status/status.h"
#include "importer/height_grid.h"
#include "importer/height_source.h"

// Raw heightmaps: samples only, no header, row 0 first.
enum class RawFormat { U8, U16LE, U16BE, F32LE, S16LE };

struct RawLayout {
    std::size_t width = 0;
    std::size_t height = 0;
    RawFormat format = RawFormat::U16LE;

    std::size_t SampleBytes() const;
    // width × height × SampleBytes(); meaningful once the sides are allowed.
    std::size_t FileBytes() const { return width * height * SampleBytes(); }
};

// Reads "WIDTHxHEIGHT:FORMAT" (FORMAT u8, u16le, u16be, s16le or f32le). False for
// anything else; the sides are checked against the limits by the reader.
bool ParseRawLayout(const char* text, RawLayout& layout);
const char* RawFormatName(RawFormat format);

// Decodes a raw heightmap held in memory: exactly FileBytes() bytes, or a
// message naming `name`. NaN floats mean no data; infinite ones are refused.
// On failure `grid` is left empty.
Status DecodeRaw(std::span<const std::uint8_t> bytes, const RawLayout& layout,
                 const std::string& name, HeightGrid& grid);

// Opens the file at `path` for reading in windows, its length checked
// against the layout first. Only the rows a window asks for are read, so a
// file of any size is brought in with little memory.
Status OpenRawFile(const std::string& path, const RawLayout& layout,
                   std::unique_ptr<HeightSource>& source);
