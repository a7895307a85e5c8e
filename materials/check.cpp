#include "materials/check.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "common/platform/read_file.h"
#include "common/text/c_format.h"
#include "materials/material_files.h"

namespace materials {
namespace {

// A TGA file begins with this many bytes of header, which is all the check
// reads: the magic numbers of other picture files fit in it too.
constexpr std::size_t kHeaderBytes = 18;

// TGA image types: no image, colour-mapped, true-colour, greyscale, each of
// the last three run-length compressed, and two rare compressed ones.
constexpr int kNoImage = 0;
constexpr int kColourMappedType = 1;
constexpr int kTrueColourType = 2;
constexpr int kGreyscaleType = 3;
constexpr int kColourMappedRle = 9;
constexpr int kTrueColourRle = 10;
constexpr int kGreyscaleRle = 11;
constexpr int kHuffmanType = 32;
constexpr int kHuffmanQuadtreeType = 33;

// Origin bits of the image descriptor: set, the first stored pixel of a row
// is its right end, the first stored row the picture's top.
constexpr std::uint8_t kRightToLeft = 0x10;
constexpr std::uint8_t kTopToBottom = 0x20;

const char kTextureRule[] = "textures must be 512 x 512, 24-bit, uncompressed";
const char kGradientRule[] =
    "gradients must be uncompressed TGA with at least 512 pixel bytes, best a 512 x 1 "
    "greyscale ramp";

// The header fields the check looks at, as the file holds them.
struct Header {
    int idLength = 0;
    int colourMapType = 0;
    int imageType = 0;
    int width = 0;   // signed 16-bit, as the painter reads it
    int height = 0;  // the same
    int bitsPerPixel = 0;
    std::uint8_t descriptor = 0;
    std::uint64_t fileBytes = 0;

    bool ColourMapped() const {
        return colourMapType != 0 || imageType == kColourMappedType ||
               imageType == kColourMappedRle;
    }
    // Pixels the painter can take as they lie: what its reader accepts.
    bool PlainPixels() const {
        return colourMapType == 0 && (imageType == kTrueColourType || imageType == kGreyscaleType);
    }
    bool PositiveSides() const { return width > 0 && height > 0; }
    // Pixel bytes the header promises, for a depth in whole bytes.
    std::uint64_t PixelBytes() const {
        return static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) *
               static_cast<std::uint64_t>(bitsPerPixel / 8);
    }
    // Pixel bytes the file holds after its header and ID field.
    std::uint64_t HeldBytes() const {
        const std::uint64_t start = kHeaderBytes + static_cast<std::uint64_t>(idLength);
        return fileBytes > start ? fileBytes - start : 0;
    }
};

int Signed16(const std::uint8_t* bytes) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8)));
}

// What another kind of picture file shows in its first bytes; null when the
// bytes could begin a TGA file. None of these can: the second byte of a TGA
// file, its colour map type, is 0 or 1.
const char* OtherPictureFormat(const std::vector<std::uint8_t>& bytes) {
    const auto startsWith = [&bytes](std::string_view magic, std::size_t at = 0) {
        return bytes.size() >= at + magic.size() &&
               std::memcmp(bytes.data() + at, magic.data(), magic.size()) == 0;
    };
    if (startsWith("\x89PNG\r\n\x1A\n")) return "a PNG picture";
    if (startsWith("\xFF\xD8\xFF")) return "a JPEG picture";
    if (startsWith("BM")) return "a BMP picture";
    if (startsWith("GIF8")) return "a GIF picture";
    if (startsWith(std::string_view("II*\0", 4)) || startsWith(std::string_view("MM\0*", 4))) {
        return "a TIFF picture";
    }
    if (startsWith("RIFF") && startsWith("WEBP", 8)) return "a WebP picture";
    if (startsWith("DDS ")) return "a DDS texture";
    if (startsWith("8BPS")) return "a Photoshop document";
    return nullptr;
}

void Add(FileCheck& check, Severity severity, std::string fact, std::string effect) {
    check.findings.push_back(Finding{severity, std::move(fact), std::move(effect)});
}

std::string Size(int width, int height) { return FormatC("%d x %d", width, height); }

// The findings every file of the set shares: whether it is there, is a
// file, is a TGA file, and has a type of pixels the painter reads. Gives
// false when no TGA header could be taken from it; else the header.
bool ReadHeader(FileCheck& check, Header& header) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(check.path, error);
    if (status.type() == fs::file_type::not_found) {
        // A file where the folder should be hides every file of the set.
        const fs::path folder = fs::path(check.path).parent_path();
        std::error_code folderError;
        if (!folder.empty() && fs::exists(folder, folderError) &&
            !fs::is_directory(folder, folderError)) {
            Add(check, Severity::Refused,
                "missing: " + folder.generic_string() + " is a file, not a folder",
                "the painter needs every file of the set");
        } else {
            Add(check, Severity::Refused, "missing", "the painter needs every file of the set");
        }
        return false;
    }
    if (error) {
        Add(check, Severity::Refused, "out of reach",
            "the painter cannot look at it: check the folders' permissions");
        return false;
    }
    if (fs::is_directory(status)) {
        Add(check, Severity::Refused, "a folder", "the painter needs a TGA file by this name");
        return false;
    }
    if (!fs::is_regular_file(status)) {
        Add(check, Severity::Refused, "not a regular file (a pipe, a device or a socket)",
            "the painter needs a TGA file by this name");
        return false;
    }
    std::vector<std::uint8_t> bytes;
    const std::uint64_t fileBytes = fs::file_size(check.path, error);
    if (error || !platform::ReadFileStart(check.path.c_str(), bytes, kHeaderBytes).ok()) {
        Add(check, Severity::Refused, "unreadable",
            "the painter cannot open it: check that you may read it");
        return false;
    }
    if (bytes.empty()) {
        Add(check, Severity::Refused, "empty", "a TGA file begins with an 18-byte header");
        return false;
    }
    if (const char* format = OtherPictureFormat(bytes)) {
        Add(check, Severity::Refused, std::string(format) + ", not a TGA file",
            "the painter reads TGA files only, and renaming a picture .tga does not make it one");
        return false;
    }
    if (bytes.size() < kHeaderBytes) {
        Add(check, Severity::Refused,
            FormatC("too short for a TGA header (%d bytes)", static_cast<int>(bytes.size())),
            "a TGA file begins with an 18-byte header");
        return false;
    }
    header.idLength = bytes[0];
    header.colourMapType = bytes[1];
    header.imageType = bytes[2];
    header.width = Signed16(&bytes[12]);
    header.height = Signed16(&bytes[14]);
    header.bitsPerPixel = bytes[16];
    header.descriptor = bytes[17];
    header.fileBytes = fileBytes;

    const int type = header.imageType;
    const bool knownType =
        type == kNoImage || type == kColourMappedType || type == kTrueColourType ||
        type == kGreyscaleType || type == kColourMappedRle || type == kTrueColourRle ||
        type == kGreyscaleRle || type == kHuffmanType || type == kHuffmanQuadtreeType;
    if (header.colourMapType > 1 || !knownType) {
        Add(check, Severity::Refused, "not a TGA file (its first bytes are no TGA header)",
            "the painter reads TGA files only");
        return false;
    }
    check.bitsPerPixel = header.bitsPerPixel;
    check.width = header.width;
    check.height = header.height;

    if (type == kNoImage) {
        Add(check, Severity::Refused, "a TGA file without an image (image type 0)",
            "the painter needs pixels");
    }
    if (header.ColourMapped()) {
        Add(check, Severity::Refused, "colour-mapped (a palette image)",
            "the painter reads true-colour or greyscale pixels only, no palette");
    }
    if (type == kColourMappedRle || type == kTrueColourRle || type == kGreyscaleRle) {
        Add(check, Severity::Refused, "run-length compressed",
            "the painter reads uncompressed pixels only");
    } else if (type == kHuffmanType || type == kHuffmanQuadtreeType) {
        Add(check, Severity::Refused, FormatC("compressed (image type %d)", type),
            "the painter reads uncompressed pixels only");
    }
    return true;
}

// Whether the file holds all the pixel bytes its header promises; the
// painter refuses one that ends early. Only for pixels it would read.
void CheckPixelLength(FileCheck& check, const Header& header) {
    const std::uint64_t promised = header.PixelBytes();
    const std::uint64_t held = header.HeldBytes();
    if (held < promised) {
        Add(check, Severity::Refused,
            FormatC("cut short (it holds %llu of its %llu pixel bytes)",
                    static_cast<unsigned long long>(held),
                    static_cast<unsigned long long>(promised)),
            "the file ends before its pixels do");
    }
}

void CheckTextureHeader(FileCheck& check, const Header& header) {
    // A palette image's depth is that of its indexes: nothing to say.
    if (!header.ColourMapped() && header.imageType != kNoImage) {
        if (header.bitsPerPixel == 8) {
            Add(check, Severity::Refused, "greyscale",
                "a texture must be 24-bit colour (blue, green, red)");
        } else if (header.bitsPerPixel == 32) {
            Add(check, Severity::Refused, "32-bit", "a texture must be 24-bit, without alpha");
        } else if (header.bitsPerPixel != 24) {
            Add(check, Severity::Refused, FormatC("%d-bit", header.bitsPerPixel),
                "a texture must be 24-bit");
        }
    }
    if (header.width != kTextureSide || header.height != kTextureSide) {
        Add(check, Severity::Refused, Size(header.width, header.height),
            "a texture must be 512 x 512");
    }
    if (header.PlainPixels() && header.bitsPerPixel == 24 && header.PositiveSides()) {
        CheckPixelLength(check, header);
    }
    // The painter takes rows and columns as stored and never looks at the
    // origin bits: a texture stored another way round is painted turned
    // round, which a texture repeated over the ground mostly hides.
    if (header.descriptor & kTopToBottom) {
        Add(check, Severity::Note, "stored top row first",
            "the painter uses the rows as stored, so it is painted flipped top to bottom "
            "against the same picture stored bottom row first");
    }
    if (header.descriptor & kRightToLeft) {
        Add(check, Severity::Note, "stored right to left",
            "the painter uses the pixels as stored, so it is painted mirrored left to right");
    }
}

void CheckGradientHeader(FileCheck& check, const Header& header) {
    // Only pixels the painter would read have a depth, a size and an order
    // worth judging.
    if (!header.PlainPixels()) return;
    const int depth = header.bitsPerPixel;
    if (depth != 8 && depth != 24 && depth != 32) {
        Add(check, Severity::Refused, FormatC("%d-bit", depth),
            "the painter reads 8, 24 or 32 bits per pixel");
        return;
    }
    if (!header.PositiveSides()) {
        Add(check, Severity::Refused, Size(header.width, header.height) + ", without pixels",
            "the painter needs 512 pixel bytes, one table entry each");
        return;
    }
    CheckPixelLength(check, header);
    const std::uint64_t pixelBytes = header.PixelBytes();
    if (pixelBytes < static_cast<std::uint64_t>(kGradientLength)) {
        Add(check, Severity::Refused,
            FormatC("%s, only %llu pixel bytes", Size(header.width, header.height).c_str(),
                    static_cast<unsigned long long>(pixelBytes)),
            "the painter needs 512 pixel bytes, one table entry each");
        return;
    }

    // The table is the first 512 pixel bytes as they lie.
    const std::uint64_t rowBytes =
        static_cast<std::uint64_t>(header.width) * static_cast<std::uint64_t>(depth / 8);
    if (depth != 8) {
        Add(check, Severity::Wrong, FormatC("%d-bit (channels interleaved)", depth),
            depth == 24 ? "the table takes the first 512 pixel bytes one entry each, so blue, "
                          "green and red become neighbouring entries and the table is not the "
                          "ramp the picture shows; a gradient should be 8-bit greyscale"
                        : "the table takes the first 512 pixel bytes one entry each, so blue, "
                          "green, red and alpha become neighbouring entries and the table is "
                          "not the ramp the picture shows; a gradient should be 8-bit "
                          "greyscale");
    }
    if (rowBytes < static_cast<std::uint64_t>(kGradientLength)) {
        Add(check, Severity::Wrong,
            depth == 8 ? FormatC("%s, a first stored row of only %d pixels",
                                 Size(header.width, header.height).c_str(), header.width)
                       : FormatC("%s, a first stored row of only %llu bytes",
                                 Size(header.width, header.height).c_str(),
                                 static_cast<unsigned long long>(rowBytes)),
            FormatC("the table's entries %llu to 511 come from the rows after the first, not "
                    "from one row of the picture",
                    static_cast<unsigned long long>(rowBytes)));
    } else if (depth == 8 && header.width > kGradientLength) {
        Add(check, Severity::Wrong, FormatC("%d pixels wide", header.width),
            "the table takes the first 512 pixels of the first stored row only, so the rest of "
            "the ramp is left out");
    }
    if (header.descriptor & kRightToLeft) {
        Add(check, Severity::Wrong, "stored right to left",
            "the table takes the pixels in stored order, so it runs reversed against the "
            "picture");
    }
    if (header.height > 1 && rowBytes >= static_cast<std::uint64_t>(kGradientLength)) {
        Add(check, Severity::Note, FormatC("%d rows high", header.height),
            (header.descriptor & kTopToBottom)
                ? "only the first stored row, the picture's top row, makes the table"
                : "only the first stored row, the picture's bottom row, makes the table");
    }
}

// The marvane_materials option that makes the texture of this file name.
const char* TextureOption(const std::string& path) {
    const std::string_view name = std::string_view(path).substr(path.find_last_of("/\\") + 1);
    if (name == kHighTextureFile) return "--high";
    if (name == kSteepTextureFile) return "--steep";
    return "--low";
}

// "<path> is <facts of the refusals>; <rule>: <mend>", or "" when the
// painter takes the file.
std::string RefusalLine(const FileCheck& check, const char* rule, const std::string& mend) {
    if (check.Worst() != Severity::Refused) return "";
    return check.path + " is " + check.Facts(Severity::Refused) + "; " + rule + ": " + mend;
}

}  // namespace

const char* SeverityName(Severity severity) {
    switch (severity) {
        case Severity::Fine:
            return "fine";
        case Severity::Note:
            return "note";
        case Severity::Wrong:
            return "wrong";
        case Severity::Refused:
            return "refused";
    }
    return "fine";
}

Severity FileCheck::Worst() const {
    Severity worst = Severity::Fine;
    for (const Finding& finding : findings) worst = std::max(worst, finding.severity);
    return worst;
}

std::string FileCheck::Facts(Severity severity) const {
    std::string facts;
    for (const Finding& finding : findings) {
        if (finding.severity != severity) continue;
        if (!facts.empty()) facts += ", ";
        facts += finding.fact;
    }
    return facts;
}

FileCheck CheckTexture(const std::string& path) {
    FileCheck check;
    check.path = path;
    check.kind = FileKind::Texture;
    check.mend = std::string("marvane_materials ") + TextureOption(path) +
                 " PICTURE converts a picture into a texture";
    Header header;
    if (ReadHeader(check, header)) CheckTextureHeader(check, header);
    return check;
}

FileCheck CheckGradient(const std::string& path) {
    FileCheck check;
    check.path = path;
    check.kind = FileKind::Gradient;
    check.mend = "marvane_materials --rules FILE writes both gradients";
    Header header;
    if (ReadHeader(check, header)) CheckGradientHeader(check, header);
    return check;
}

std::vector<FileCheck> CheckMaterialSet(const std::string& data) {
    const std::string folder = data.empty() ? std::string() : data + "/";
    return {CheckGradient(folder + kHeightGradientFile), CheckGradient(folder + kAngleGradientFile),
            CheckTexture(folder + kSteepTextureFile), CheckTexture(folder + kHighTextureFile),
            CheckTexture(folder + kLowTextureFile)};
}

Severity Worst(const std::vector<FileCheck>& checks) {
    Severity worst = Severity::Fine;
    for (const FileCheck& check : checks) worst = std::max(worst, check.Worst());
    return worst;
}

std::string CheckReport(const FileCheck& check) {
    std::string report = check.path + ": " + SeverityName(check.Worst()) + "\n";
    if (check.findings.empty()) return report;
    for (const Finding& finding : check.findings) {
        report += std::string("  ") + SeverityName(finding.severity) + ": " + finding.fact + "; " +
                  finding.effect + "\n";
    }
    report += "  to mend: " + check.mend + "\n";
    return report;
}

std::string CheckReport(const std::vector<FileCheck>& checks) {
    std::string report;
    for (const FileCheck& check : checks) report += CheckReport(check);
    return report;
}

std::string TextureProblem(const char* path) {
    const FileCheck check = CheckTexture(path);
    return RefusalLine(
        check, kTextureRule,
        std::string("marvane_materials ") + TextureOption(path) + " PICTURE converts one");
}

std::string GradientProblem(const char* path) {
    return RefusalLine(CheckGradient(path), kGradientRule,
                       "marvane_materials --rules FILE writes both");
}

std::string GradientWarning(const char* path) {
    const FileCheck check = CheckGradient(path);
    if (check.Worst() != Severity::Wrong) return "";
    return check.path + " is " + check.Facts(Severity::Wrong) +
           ", so the painter paints something other than the picture shows; "
           "marvane_materials --check says how to mend it";
}

bool GradientChannelsInterleaved(const char* path) {
    const FileCheck check = CheckGradient(path);
    return check.Worst() != Severity::Refused &&
           (check.bitsPerPixel == 24 || check.bitsPerPixel == 32);
}

}  // namespace materials
