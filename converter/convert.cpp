#include "converter/convert.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "common/image/tga_image.h"
#include "common/platform/file_commit.h"
#include "converter/converter_options.h"
#include "converter/dds_encode.h"

namespace {

// Bytes encoded per write: small, so that the buffer stays in the cache and
// a tile's conversion needs little fresh memory.
constexpr size_t kSliceBytes = 64 * 1024;

}  // namespace

Status ConvertTgaToDds(const char* input, const char* output) {
    // Mapped, not read: the caller has just written the file, so its pages
    // are in the file cache and cost neither a copy nor fresh memory.
    TgaMappedFile file;
    const Status opened = file.Open(input);
    if (!opened.ok()) return opened;
    const TgaPixels& image = file.Pixels();
    const TgaOrigin origin = OriginOfDescriptor(file.Descriptor());

    // Rows go out a slice at a time through one small buffer: a 4096 × 4096
    // map needs no second full-size block, and a tile's buffer is reused.
    const size_t width = static_cast<size_t>(image.width);
    const size_t height = static_cast<size_t>(image.height);
    const size_t rowBytes = width * 4;
    const size_t sliceRows = std::max<size_t>(1, kSliceBytes / rowBytes);
    // A job's output, made again by running the job again: the speed of
    // not waiting for the disk, for each of its many tiles, counts more.
    platform::FileCommit dds(platform::FileCommit::Durability::Scratch);
    const Status created = dds.Open(output);
    if (!created.ok()) return created;
    const auto preamble =
        DdsPreamble(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height));
    // A failed write stops the conversion; the commit then reports it.
    if (dds.Write(preamble.data(), preamble.size())) {
        std::vector<std::uint8_t> slice(std::min(sliceRows, height) * rowBytes);
        for (size_t row = 0; row < height; row += sliceRows) {
            const size_t rows = std::min(sliceRows, height - row);
            EncodeDdsRows(image, origin, row, rows, slice.data());
            if (!dds.Write(slice.data(), rows * rowBytes)) break;
        }
    }
    return dds.Commit();
}

int RunConverter(int argc, const char* const* argv) {
    if (argc == 2) {
        const std::string only = argv[1];
        if (only == "-h" || only == "--help" || only == "/?") {
            std::fputs(ConverterUsage, stdout);
            std::fputs(ConverterHelp, stdout);
            return 0;
        }
        if (only == "--version") {
            std::puts("nvdxt 0.33");
            return 0;
        }
    }
    ConverterOptions options;
    if (Status parsed = ParseConverterOptions(argc, argv, options); !parsed.ok()) {
        std::fprintf(stderr, "nvdxt: %s\n%s", parsed.message().c_str(), ConverterUsage);
        return 2;
    }
    const Status converted = ConvertTgaToDds(options.input.c_str(), options.output.c_str());
    if (!converted.ok()) {
        std::fprintf(stderr, "%s\n", converted.message().c_str());
        return 1;
    }
    return 0;
}
