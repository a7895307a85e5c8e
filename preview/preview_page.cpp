#include "preview/preview_page.h"

#include <cstdint>
#include <cstring>
#include <future>

#include "common/text/c_format.h"
#include "level/level_names.h"
#include "preview/base64.h"
#include "preview/image_encode.h"

namespace {

// A JSON string; "<" written as \u003c, so that no text can end the
// page's script block early.
std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (const char ch : text) {
        const unsigned char byte = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (byte < 0x20 || ch == '<') {
            out += FormatC("\\u%04x", byte);
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

// Heights as little-endian float32, whatever the machine's order.
std::string Heights(const std::vector<float>& heights) {
    std::vector<std::uint8_t> bytes(heights.size() * 4);
    for (std::size_t i = 0; i < heights.size(); ++i) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &heights[i], 4);
        for (int b = 0; b < 4; ++b) bytes[i * 4 + b] = static_cast<std::uint8_t>(bits >> (8 * b));
    }
    return Quoted(Base64(bytes.data(), bytes.size()));
}

// Slopes as little-endian 16-bit numbers.
std::string Slopes(const std::vector<std::uint16_t>& slopes) {
    std::vector<std::uint8_t> bytes(slopes.size() * 2);
    for (std::size_t i = 0; i < slopes.size(); ++i) {
        bytes[i * 2] = static_cast<std::uint8_t>(slopes[i] & 0xFF);
        bytes[i * 2 + 1] = static_cast<std::uint8_t>(slopes[i] >> 8);
    }
    return Quoted(Base64(bytes.data(), bytes.size()));
}

std::string Number(double value) { return FormatC("%.9g", value); }
// Exact: the base height and the rules speak of metres to the millimetre.
std::string ExactNumber(double value) { return FormatC("%.17g", value); }

std::string Materials(const MaterialView& materials) {
    if (!materials.live) return "{\"live\":false}";
    constexpr std::size_t kSide = 512;
    // The three textures are encoded at once, each on a thread of its own.
    std::future<std::string> encoded[3];
    const std::vector<std::uint8_t>* textures[] = {&materials.low, &materials.high, &materials.steep};
    for (int i = 0; i < 3; ++i) {
        encoded[i] = std::async(std::launch::async,
                                [texture = textures[i]] { return PngDataUri(*texture, kSide, kSide); });
    }
    std::string json = "{\"live\":true,\"low\":" + Quoted(encoded[0].get()) +
                       ",\"high\":" + Quoted(encoded[1].get()) + ",\"steep\":" + Quoted(encoded[2].get());
    json += ",\"heightGradient\":" +
            Quoted(Base64(materials.heightGradient.data(), materials.heightGradient.size())) +
            ",\"angleGradient\":" +
            Quoted(Base64(materials.angleGradient.data(), materials.angleGradient.size()));
    json += ",\"base\":" + (materials.base ? ExactNumber(*materials.base) : std::string("null")) +
            ",\"fullScale\":" + ExactNumber(materials.fullScale) + ",\"rules\":" +
            Quoted(materials.rules) + ",\"rulesFrom\":" + Quoted(materials.rulesFrom);
    if (materials.mirror) json += std::string(",\"mirror\":") + (*materials.mirror ? "true" : "false");
    json += "}";
    return json;
}

std::string Terrain(const TerrainView& terrain, bool primary) {
    // The two pictures are encoded at once, the detail map on a thread of
    // its own (they share nothing).
    std::future<std::string> detail;
    if (primary && !terrain.detail.empty()) {
        detail = std::async(std::launch::async, [&] {
            return PngDataUri(terrain.detail, terrain.detailSide, terrain.detailSide);
        });
    }
    std::string json = "{";
    if (!primary) {
        json += "\"name\":" + Quoted(terrain.name) + ",\"column\":" + std::to_string(terrain.column) +
                ",\"row\":" + std::to_string(terrain.row) + ",";
    }
    json += "\"side\":" + std::to_string(terrain.side) + ",\"spacing\":" + Number(terrain.spacing) +
            ",\"heights\":" + Heights(terrain.heights);
    if (!terrain.slopes.empty()) {
        json += ",\"slopes\":" + Slopes(terrain.slopes) + ",\"heightRange\":" +
                ExactNumber(terrain.heightRange) + ",\"mapSide\":" + std::to_string(terrain.mapSide);
    }
    json += ",\"colour\":";
    json += terrain.colour.empty()
                ? std::string("null")
                : Quoted(JpegDataUri(terrain.colour, terrain.colourSide, terrain.colourSide));
    if (detail.valid()) json += ",\"detail\":" + Quoted(detail.get());
    return json + "}";
}

// The viewer as a script block's text: "</script" would end the block, and
// inside a script it can only stand in a string or a pattern, where "<\/" means
// the same.
std::string ScriptText(std::string_view code) {
    std::string text;
    text.reserve(code.size());
    for (std::size_t i = 0; i < code.size(); ++i) {
        if (code[i] == '<' && i + 1 < code.size() && code[i + 1] == '/') {
            text += "<\\";
        } else {
            text += code[i];
        }
    }
    return text;
}

}  // namespace

std::string PreviewPage(const LevelView& view, std::string_view viewer) {
    std::string data = "{\"title\":" + Quoted(view.title) + ",\"notes\":[";
    for (std::size_t i = 0; i < view.notes.size(); ++i) {
        data += (i ? "," : "") + Quoted(view.notes[i]);
    }
    // The viewer refuses any grid side above the painter's own limit.
    data += "],\"largestSide\":" + std::to_string(level::kLargestPrimarySize) +
            ",\"primary\":" + Terrain(view.primary, true) + ",\"surroundings\":[";
    for (std::size_t i = 0; i < view.surroundings.size(); ++i) {
        data += (i ? "," : "") + Terrain(view.surroundings[i], false);
    }
    data += "],\"materials\":" + Materials(view.materials) + "}";

    std::string title;
    for (const char ch : view.title) {
        if (ch == '<') title += "&lt;";
        else if (ch == '&') title += "&amp;";
        else title += ch;
    }
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<title>Marvane preview - " + title + "</title>\n"
           "<style>html,body{margin:0;height:100%;overflow:hidden;background:#1d2126}"
           "#marvane-view{position:fixed;inset:0}</style>\n</head>\n<body>\n"
           "<div id=\"marvane-view\"></div>\n"
           "<script id=\"marvane-level\" type=\"application/json\">" + data + "</script>\n"
           "<script>" + ScriptText(viewer) + "</script>\n</body>\n</html>\n";
}
