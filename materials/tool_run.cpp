#include "materials/tool_run.h"

#include <cmath>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "common/image/tga_image.h"
#include "common/platform/files_together.h"
#include "common/platform/read_file.h"
#include "common/text/c_format.h"
#include "level/heightmap_samples.h"
#include "level/level_names.h"
#include "level/level_names.h"
#include "materials/check.h"
#include "materials/gradients.h"
#include "materials/level_survey.h"
#include "materials/looks.h"
#include "materials/material_files.h"
#include "materials/picture.h"
#include "materials/rules.h"
#include "materials/texture_steps.h"
#include "materials/tileable_texture.h"
#include "painter/paint/gradient_table.h"

namespace materials {

namespace {

namespace fs = std::filesystem;

// Far beyond any rules a person writes; a larger file is something else.
constexpr std::uint64_t kMaxRulesBytes = 1 << 20;

// Below this share a material counts as nowhere, above 1 minus it as
// everywhere (the report shows one decimal of a percent).
constexpr double kNowhere = 0.0005;

// The set's files as seen from the caller's folder.
struct SetPaths {
    std::string folder;
    std::string low, high, steep, heightGradient, angleGradient, rules;

    explicit SetPaths(const std::string& dir)
        : folder(InFolder(dir, kDataFolder)),
          low(InFolder(folder, kLowTextureFile)),
          high(InFolder(folder, kHighTextureFile)),
          steep(InFolder(folder, kSteepTextureFile)),
          heightGradient(InFolder(folder, kHeightGradientFile)),
          angleGradient(InFolder(folder, kAngleGradientFile)),
          rules(InFolder(folder, kRulesFile)) {}
};

std::string Percent(double share) { return FormatC("%.1f", share * 100.0); }

std::string SharesText(const Shares& shares) {
    return "low " + Percent(shares.low) + " %, high " + Percent(shares.high) + " %, steep " +
           Percent(shares.steep) + " %";
}

std::string Metres(double metres) { return FormatC("%.1f m", metres); }
std::string Degrees(double degrees) { return FormatC("%.1f deg", degrees); }

// Where a table's share is none, some or all, as runs of entries: "none up
// to 650.2 m, rising to all at 749.8 m, all above".
std::string TableRuns(const GradientTable& table, std::string (*at)(double),
                      double (*position)(int, const HeightAxis&), const HeightAxis& axis) {
    auto kind = [&](int k) { return table[k] <= 0.0f ? 0 : table[k] >= 1.0f ? 2 : 1; };
    static const char* const kNames[] = {"none", "some", "all"};
    std::string text;
    int from = 0;
    for (int k = 1; k <= kGradientSize; ++k) {
        if (k < kGradientSize && kind(k) == kind(from)) continue;
        if (!text.empty()) text += ", ";
        text += std::string(kNames[kind(from)]) + " from " + at(position(from, axis)) + " to " +
                at(position(k - 1, axis));
        from = k;
    }
    return text;
}

double HeightOfEntry(int k, const HeightAxis& axis) { return axis.HeightAt(k); }
double SlopeOfEntry(int k, const HeightAxis&) { return SlopeAt(k); }

bool ReadText(const std::string& path, std::string& text, std::FILE* err) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) {
        std::fprintf(err,
                     "ERROR: %s: no such file; write rules there, such as \"high 650 m .. 750 m\" "
                     "and \"steep 30 deg .. 40 deg\" (marvane_materials(1) explains them)\n",
                     path.c_str());
        return false;
    }
    std::vector<std::uint8_t> bytes;
    if (Status read = platform::ReadFileStart(path.c_str(), bytes, kMaxRulesBytes + 1); !read.ok()) {
        std::fprintf(err, "%s\n", read.message().c_str());
        return false;
    }
    if (bytes.size() > kMaxRulesBytes) {
        std::fprintf(err, "ERROR: %s holds more than 1 MiB, too much for rules\n", path.c_str());
        return false;
    }
    text.assign(bytes.begin(), bytes.end());
    return true;
}

// What the run is about to write, and the tables the report is to use.
struct Plan {
    std::vector<platform::FileToWrite> files;
    std::vector<std::string> done;  // "Written: ..." lines
    std::vector<std::string> notes;
    std::optional<GradientTable> heights, slopes;

    void Add(const std::string& path, std::vector<std::uint8_t> bytes) {
        files.push_back({path, std::move(bytes)});
    }
    void AddImage(const std::string& path, const TgaImage& image) { Add(path, EncodeTga(image)); }
    void AddText(const std::string& path, const std::string& text) {
        Add(path, std::vector<std::uint8_t>(text.begin(), text.end()));
    }
};

// Gradients from rules; a kind without a rule keeps its image.
void PlanGradients(const MaterialRules& rules, const SurveyedLevel& level, const SetPaths& set,
                   Plan& plan) {
    const HeightAxis axis{level.Base(), level.FullScale()};
    if (rules.high) {
        const TgaImage image = HeightGradientImage(*rules.high, axis);
        plan.heights.emplace();
        GradientTable::FromImage(image, *plan.heights);
        plan.AddImage(set.heightGradient, image);
    } else {
        plan.notes.push_back("no high rule: " + set.heightGradient + " kept as it is");
    }
    if (rules.steep) {
        const TgaImage image = AngleGradientImage(*rules.steep);
        plan.slopes.emplace();
        GradientTable::FromImage(image, *plan.slopes);
        plan.AddImage(set.angleGradient, image);
    } else {
        plan.notes.push_back("no steep rule: " + set.angleGradient + " kept as it is");
    }
}

// The table the painter will read: the one about to be written, else the
// one in the set.
bool TableForReport(const std::optional<GradientTable>& planned, const std::string& path,
                    GradientTable& table, std::FILE* err) {
    if (planned) {
        table = *planned;
        return true;
    }
    TgaImage image;
    if (!image.Load(path.c_str()).ok() || !GradientTable::FromImage(image, table)) {
        std::fprintf(err,
                     "ERROR: %s cannot be read as a gradient; marvane_materials --check says why, "
                     "and --rules writes a new one\n",
                     path.c_str());
        return false;
    }
    return true;
}

}  // namespace

int RunMaterials(const MaterialsOptions& options, std::FILE* out, std::FILE* err) {
    const SetPaths set(options.dir);
    const LevelPaths levelPaths(options.dir);
    // A write of the material set or of the level that a program ended
    // half-way is completed, or undone, before either is read.
    for (const std::string& folder :
         {set.folder, fs::path(levelPaths.settings).parent_path().string()}) {
        std::string note;
        if (Status s = platform::CompleteFilesTogether(folder, note); !s.ok()) {
            std::fprintf(err, "%s\n", s.message().c_str());
            return 1;
        }
        if (!note.empty()) std::fprintf(out, "Note: %s\n", note.c_str());
    }
    int status = 0;
    if (options.check) {
        const std::vector<FileCheck> checks = CheckMaterialSet(set.folder);
        std::fputs(CheckReport(checks).c_str(), out);
        const Severity worst = Worst(checks);
        if (worst == Severity::Wrong || worst == Severity::Refused) status = 1;
        if (!options.WritesFiles() && !options.report) return status;
    }

    SurveyedLevel level;
    if (Status s = SurveyLevel(levelPaths, level); !s.ok()) {
        std::fprintf(err, "%s\n", s.message().c_str());
        return 1;
    }

    Plan plan;
    std::optional<MaterialRules> rules;
    std::string rulesFrom;
    if (!options.look.empty()) {
        const Look& look = *FindLook(options.look);
        for (const std::string* path : {&set.low, &set.high, &set.steep, &set.heightGradient,
                                        &set.angleGradient, &set.rules}) {
            std::error_code error;
            if (!options.force && fs::exists(*path, error)) {
                std::fprintf(err,
                             "ERROR: %s is there already; --look replaces a material set only "
                             "with --force\n",
                             path->c_str());
                return 1;
            }
        }
        plan.AddImage(set.low, look.low(kDefaultSeed));
        plan.AddImage(set.high, look.high(kDefaultSeed));
        plan.AddImage(set.steep, look.steep(kDefaultSeed));
        rules = LookRules(look, level.lowest, level.highest);
        plan.AddText(set.rules, LookRulesText(look, *rules, level.lowest, level.highest));
        plan.done.push_back("Written: the look \"" + options.look + "\": " + set.low + ", " +
                            set.high + ", " + set.steep + " and " + set.rules);
        rulesFrom = set.rules;
    }
    if (options.rules) {
        const std::string path = options.rules->empty() ? set.rules : *options.rules;
        std::string text;
        if (!ReadText(path, text, err)) return 1;
        rules.emplace();
        if (Status s = ParseRules(text, path, *rules); !s.ok()) {
            std::fprintf(err, "%s\n", s.message().c_str());
            return s.code();
        }
        std::error_code error;
        if (!fs::equivalent(path, set.rules, error)) {
            plan.AddText(set.rules, text);
            plan.done.push_back("Written: " + set.rules + " (a copy of " + path + ")");
        }
        rulesFrom = path;
    }
    if (rules) {
        PlanGradients(*rules, level, set, plan);
        std::string written;
        if (rules->high) written = set.heightGradient;
        if (rules->steep) written += (written.empty() ? "" : " and ") + set.angleGradient;
        if (!written.empty()) plan.done.push_back("Written: " + written + " from " + rulesFrom);
        plan.notes.push_back(
            level.base.primary
                ? "heights are metres above sea level (the level records " +
                      Metres(*level.base.primary) + " for its sample 0)"
                : "heights are metres above the primary heightmap's sample 0 (the level records "
                  "no base height; marvane_import writes one)");
    }
    // One repetition of a texture covers 128 × H metres of the primary map:
    // 512 texels, 4 to a step of H metres between samples.
    const double repetitionMetres =
        static_cast<double>(kTextureSide) / level::kPrimaryTexelsPerStep *
        static_cast<double>(level.config.primary.horizontalScale);
    const struct {
        const std::string& picture;
        const std::string& texture;
    } pictures[] = {{options.low, set.low}, {options.high, set.high}, {options.steep, set.steep}};
    for (const auto& entry : pictures) {
        if (entry.picture.empty()) continue;
        Picture picture;
        if (Status s = LoadPicture(entry.picture, picture); !s.ok()) {
            std::fprintf(err, "%s; nothing was written\n", s.message().c_str());
            return 1;
        }
        const TextureScale scale = options.groundSize
                                       ? ScaleForGround(*options.groundSize, repetitionMetres)
                                       : TextureScale();
        const TileableTexture texture = MakeTileableTexture(picture, scale);
        plan.AddImage(entry.texture, texture.image);
        plan.done.push_back(FormatC(
            "Written: %s from %s (%d x %d), one picture showing %.4g m of ground on the primary "
            "map, %d x %d of it in the texture; wrap edge step %.2f against %.2f inside",
            entry.texture.c_str(), entry.picture.c_str(), picture.width, picture.height,
            GroundPerPicture(texture.scale, repetitionMetres), texture.scale.repeats,
            texture.scale.repeats, WrapEdgeStep(texture.image), InsideStep(texture.image)));
        if (picture.alphaDropped) {
            plan.notes.push_back(entry.picture + " has an alpha channel, which a texture has no "
                                 "room for: its transparent parts show the colour they hold");
        }
        if (!options.groundSize) {
            plan.notes.push_back(FormatC("%s: one picture covers a texture repetition, %.4g m of "
                                         "the primary map; --ground-size METRES lays it at the "
                                         "ground it shows",
                                         entry.picture.c_str(), repetitionMetres));
        }
    }

    GradientTable heights, slopes;
    if (!TableForReport(plan.heights, set.heightGradient, heights, err) ||
        !TableForReport(plan.slopes, set.angleGradient, slopes, err)) {
        return 1;
    }
    const Shares primary = PrimaryShares(level, heights, slopes);
    std::vector<SurroundingShares> surrounding;
    if (Status s = SurveySurrounding(levelPaths, level, heights, slopes, surrounding); !s.ok()) {
        std::fprintf(err, "%s\n", s.message().c_str());
        return 1;
    }

    std::vector<std::string> warnings;
    const double fullScale = level.FullScale();
    const double surroundingScale = static_cast<double>(level.config.secondary.verticalScale) *
                                    static_cast<double>(level::FullSampleRange(false));
    if (!surrounding.empty() && surroundingScale != fullScale) {
        warnings.push_back(FormatC(
            "the surrounding maps' full height range is %.6g m and the primary's %.6g m: the same "
            "height table places materials at different heights on either side of the edge",
            surroundingScale, fullScale));
    }
    if (rules) {
        const std::string range = "the level's heights run from " + Metres(level.lowest) + " to " +
                                  Metres(level.highest) + ", its slopes from " +
                                  Degrees(level.flattest) + " to " + Degrees(level.steepest);
        const struct {
            const char* name;
            double share;
        } kinds[] = {{"low", primary.low}, {"high", primary.high}, {"steep", primary.steep}};
        for (const auto& kind : kinds) {
            if (kind.share < kNowhere) {
                warnings.push_back(std::string("the rules leave ") + kind.name +
                                   " ground nowhere on the primary map; " + range);
            } else if (kind.share > 1.0 - kNowhere) {
                warnings.push_back(std::string("the rules make the whole primary map ") +
                                   kind.name + " ground; " + range);
            }
        }
    }

    if (!plan.files.empty()) {
        std::error_code error;
        fs::create_directories(set.folder, error);
        if (Status s = platform::WriteFilesTogether(plan.files); !s.ok()) {
            std::fprintf(err, "%s; the material set is as it was\n", s.message().c_str());
            return 1;
        }
        for (const std::string& line : plan.done) std::fprintf(out, "%s\n", line.c_str());
    }
    if (!plan.files.empty() || options.report) {
        const HeightAxis axis{level.Base(), fullScale};
        std::fprintf(out, "Shares of the primary map: %s\n", SharesText(primary).c_str());
        for (const SurroundingShares& map : surrounding) {
            std::fprintf(out, "Shares of surrounding map %d (%s): %s\n", map.index,
                         map.path.c_str(), SharesText(map.shares).c_str());
        }
        std::fprintf(out, "High ground by height: %s\n",
                     TableRuns(heights, Metres, HeightOfEntry, axis).c_str());
        std::fprintf(out, "Steep ground by slope: %s\n",
                     TableRuns(slopes, Degrees, SlopeOfEntry, axis).c_str());
        std::fprintf(out, "The primary map: heights %s to %s%s, slopes %s to %s\n",
                     Metres(level.lowest).c_str(), Metres(level.highest).c_str(),
                     level.base.primary ? " above sea level" : " above its sample 0",
                     Degrees(level.flattest).c_str(), Degrees(level.steepest).c_str());
    }
    for (const std::string& note : plan.notes) std::fprintf(out, "Note: %s\n", note.c_str());
    for (const std::string& warning : warnings) std::fprintf(out, "Warning: %s\n", warning.c_str());
    return status;
}

}  // namespace materials
