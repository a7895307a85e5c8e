// The translation unit that holds the stb_image code for users' pictures:
// PNG, JPEG, BMP and TGA, decoded from memory. Its functions are static, so
// this copy and the importer's PNG-only one (importer/stb_image.cpp) can
// sit in one program; their settings differ and must not meet.
#include "materials/picture_decoder.h"

#include <climits>
#include <cstdlib>

// Its functions being static, the optimiser inlines them into the wrappers
// below, where GCC (mingw-w64 at -O3) no longer sees that stb_image sets
// every field of its reading context before the callbacks it never uses
// for memory are read; its warnings stay with its header elsewhere.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#define STBI_ONLY_TGA
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
// Picture frees the decoded block with std::free. Every block starts
// cleared: a JPEG scan may name a Huffman table that the file never
// defines, whose uninitialised contents the decoder would take for indices
// into its arrays, and a damaged file can leave pixels unwritten. Cleared,
// such a table decodes as zeros and stays inside them, and what comes out
// is the same on every machine.
#define STBI_MALLOC(size) std::calloc(1, size)
#define STBI_REALLOC(block, size) std::realloc(block, size)
#define STBI_FREE(block) std::free(block)
#include "stb_image.h"

namespace materials::decoder {

bool ReadHeader(const std::uint8_t* bytes, std::size_t count, int& width, int& height,
                int& channels) {
    if (count == 0 || count > INT_MAX) return false;
    return stbi_info_from_memory(bytes, static_cast<int>(count), &width, &height, &channels) != 0;
}

std::uint8_t* DecodeRgb(const std::uint8_t* bytes, std::size_t count, int& width, int& height) {
    if (count == 0 || count > INT_MAX) return nullptr;
    int channels = 0;
    return stbi_load_from_memory(bytes, static_cast<int>(count), &width, &height, &channels, 3);
}

const char* FailureReason() {
    const char* reason = stbi_failure_reason();
    return reason != nullptr ? reason : "unknown";
}

}  // namespace materials::decoder
