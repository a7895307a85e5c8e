// DecodeRaw on any bytes and any layout: it takes exactly width × height
// samples of the format, refuses sides beyond the limits before allocating,
// refuses infinite floats, and a grid it gives holds the file's samples.
// ParseRawLayout takes any text.
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "importer/raw_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        RawLayout parsed;
        const std::string text(reinterpret_cast<const char*>(data), size);
        if (ParseRawLayout(text.c_str(), parsed)) {
            FUZZ_CHECK(text.find('x') != std::string::npos && text.find(':') != std::string::npos);
        }
    }

    fuzz_support::InputReader input(data, size);
    RawLayout layout;
    const std::uint8_t format = input.Byte();
    layout.format = static_cast<RawFormat>(format % 5);
    // Small sides mostly; the high bit of the format byte asks for any.
    layout.width = format & 0x80 ? input.Long() : input.Byte() % 9;
    layout.height = format & 0x80 ? input.Long() : input.Byte() % 9;
    const std::uint8_t* samples = input.Rest();
    const std::size_t length = input.Left();

    HeightGrid grid;
    const Status status = DecodeRaw({samples, length}, layout, "in.raw", grid);
    const bool allowed = InputSidesAllowed(layout.width, layout.height);
    if (!allowed || length != layout.FileBytes()) FUZZ_CHECK(!status.ok());
    if (!status.ok()) {
        FUZZ_CHECK(status.message().rfind("ERROR: in.raw", 0) == 0);
        FUZZ_CHECK(grid.width == 0 && grid.height == 0 && grid.values.empty());
        return 0;
    }
    FUZZ_CHECK(grid.width == layout.width && grid.height == layout.height);
    FUZZ_CHECK(grid.values.size() == layout.width * layout.height);
    for (std::size_t i = 0; i < grid.values.size(); ++i) {
        const float value = grid.values[i];
        switch (layout.format) {
            case RawFormat::U8:
                FUZZ_CHECK(value == samples[i]);
                break;
            case RawFormat::U16LE:
                FUZZ_CHECK(value == (samples[2 * i] | samples[2 * i + 1] << 8));
                break;
            case RawFormat::U16BE:
                FUZZ_CHECK(value == (samples[2 * i] << 8 | samples[2 * i + 1]));
                break;
            case RawFormat::S16LE:
                FUZZ_CHECK(value ==
                           static_cast<std::int16_t>(samples[2 * i] | samples[2 * i + 1] << 8));
                break;
            case RawFormat::F32LE: {
                const std::uint8_t* b = samples + 4 * i;
                const float expected =
                    std::bit_cast<float>(std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 |
                                         std::uint32_t{b[2]} << 16 | std::uint32_t{b[3]} << 24);
                FUZZ_CHECK(!std::isinf(value));
                FUZZ_CHECK(std::bit_cast<std::uint32_t>(value) ==
                           std::bit_cast<std::uint32_t>(expected));
                break;
            }
        }
    }
    return 0;
}
