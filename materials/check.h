#pragma once

#include <string>
#include <vector>

// What the painter will make of each file of a material set, told from the
// files' first bytes and their length alone (no pixel is read): what is
// wrong, how much it matters and how to mend it. The painter itself only
// says which file it could not read; this says why.
namespace materials {

// How much a finding matters, from least to most.
enum class Severity {
    Fine,     // the painter paints what the picture shows
    Note,     // worth knowing, but the painting follows the picture
    Wrong,    // the painter paints something other than the picture shows
    Refused,  // the painter refuses the set: a job stops at this file
};

// "fine", "note", "wrong" or "refused".
const char* SeverityName(Severity severity);

// One fault of a file.
struct Finding {
    Severity severity = Severity::Fine;
    // What the file is, to follow "<path> is ": "1024 x 768", "32-bit",
    // "a PNG picture, not a TGA file".
    std::string fact;
    // What the painter does with such a file, or what it needs instead.
    std::string effect;
};

enum class FileKind { Texture, Gradient };

// What the check found in one file of the set.
struct FileCheck {
    std::string path;
    FileKind kind = FileKind::Texture;
    std::vector<Finding> findings;  // none when the file is fine
    // How to make a good file with marvane_materials.
    std::string mend;
    // From the TGA header, when the file has one (else 0): bits per pixel
    // and the sides, as signed as the header holds them.
    int bitsPerPixel = 0;
    int width = 0;
    int height = 0;

    // The gravest finding; Fine without any.
    Severity Worst() const;
    // The facts of the findings of this severity, joined: "1024 x 768, 32-bit".
    std::string Facts(Severity severity) const;
};

// A material texture (512 x 512, 24-bit, uncompressed) at `path`. Its file
// name (low.tga, high.tga or steep.tga) picks the option the mend names.
FileCheck CheckTexture(const std::string& path);
// A gradient image (uncompressed, at least 512 pixel bytes, best a 512 x 1
// greyscale ramp) at `path`.
FileCheck CheckGradient(const std::string& path);

// The five files of the set in the folder `data` (the painter's "data"),
// in the order the painter reads them: the height and angle gradients, then
// the steep, high and low textures.
std::vector<FileCheck> CheckMaterialSet(const std::string& data);
// The gravest finding of a whole set.
Severity Worst(const std::vector<FileCheck>& checks);

// The check as a user reads it: a line "<path>: <severity>", then for a file
// that is not fine one line per finding ("  refused: 1024 x 768; a texture
// must be 512 x 512") and one that says how to mend it ("  to mend: ...").
// Every line ends with a line break.
std::string CheckReport(const FileCheck& check);
std::string CheckReport(const std::vector<FileCheck>& checks);

// One line, without a line break, for a texture the painter refuses ("" when
// the check finds no reason to): "data/low.tga is 1024 x 768; textures must
// be 512 x 512, 24-bit, uncompressed: marvane_materials --low PICTURE
// converts one".
std::string TextureProblem(const char* path);
// The same for a gradient image the painter refuses.
std::string GradientProblem(const char* path);
// One line for a gradient image the painter reads but paints something
// other than it shows with (24- or 32-bit, a short first row, stored right
// to left...), naming marvane_materials --check; "" when there is none.
std::string GradientWarning(const char* path);
// Whether a gradient image the painter reads has 24 or 32 bits per pixel,
// so that its table takes the channels one after another as entries.
bool GradientChannelsInterleaved(const char* path);

}  // namespace materials
