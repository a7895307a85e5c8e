#include "materials/tool_options.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>
#include <system_error>

#include "materials/looks.h"
#include "materials/material_files.h"

std::string MaterialsUsage() {
    std::string looks;
    for (const materials::Look& look : materials::kLooks) {
        looks += (looks.empty() ? "" : "|") + std::string(look.name);
    }
    return "Usage: marvane_materials [--dir FOLDER] [--rules [FILE]] [--low PICTURE]\n"
           "                         [--high PICTURE] [--steep PICTURE] [--ground-size METRES]\n"
           "                         [--look " + looks + " [--force]] [--check] [--report]\n"
           "Makes the material set in data/ of the painter's working folder (the current\n"
           "folder, or --dir):\n"
           "  --rules [FILE]        writes data/grad_height.tga and data/grad_angle.tga from\n"
           "                        rules in metres and degrees (default data/materials.txt)\n"
           "  --low/--high/--steep PICTURE\n"
           "                        a PNG, JPEG, BMP or TGA photo of any size becomes that\n"
           "                        material's 512 x 512 texture, made to tile without a seam\n"
           "  --ground-size METRES  how much ground one picture shows, so that it appears at\n"
           "                        that scale on the primary map\n"
           "  --look NAME           a whole procedural set with its rules for a kind of place;\n"
           "                        replaces files already there only with --force\n"
           "  --check               says what is wrong with each file of the set and how to mend\n"
           "                        it; exit 1 when the painter would refuse it or paint it wrong\n"
           "  --report              the share of low, high and steep ground of every map\n"
           "                        (also printed after every write)\n"
           "Picture and rule paths are taken from the current folder, also with --dir.\n";
}

namespace {

Status Bad(const std::string& message) { return Status::Failure("ERROR: " + message, 2); }

}  // namespace

Status ParseMaterialsOptions(int count, const char* const* arguments, MaterialsOptions& options,
                             MaterialsAction& action) {
    action = MaterialsAction::Run;
    for (int i = 0; i < count; ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "-h" || argument == "--help") {
            action = MaterialsAction::Help;
            return Status();
        }
        if (argument == "--version") action = MaterialsAction::Version;
    }
    if (action != MaterialsAction::Run) return Status();

    for (int i = 0; i < count; ++i) {
        std::string name = arguments[i];
        std::optional<std::string> joined;
        if (const std::size_t equals = name.find('='); name.rfind("--", 0) == 0 &&
                                                       equals != std::string::npos) {
            joined = name.substr(equals + 1);
            name.resize(equals);
        }
        // The value of an option that needs one.
        auto value = [&](std::string& out) -> Status {
            if (joined) {
                out = *joined;
            } else if (i + 1 < count) {
                out = arguments[++i];
            } else {
                return Bad(name + " needs a value");
            }
            if (out.empty()) return Bad(name + " needs a value, not an empty one");
            return Status();
        };
        auto flag = [&](bool& out) -> Status {
            if (joined) return Bad(name + " takes no value");
            out = true;
            return Status();
        };
        Status s;
        if (name == "--dir") {
            s = value(options.dir);
        } else if (name == "--rules") {
            // The file is optional: the level's own rules without it.
            if (joined) {
                options.rules = *joined;
            } else if (i + 1 < count && std::strncmp(arguments[i + 1], "--", 2) != 0) {
                options.rules = arguments[++i];
            } else {
                options.rules = std::string();
            }
        } else if (name == "--low") {
            s = value(options.low);
        } else if (name == "--high") {
            s = value(options.high);
        } else if (name == "--steep") {
            s = value(options.steep);
        } else if (name == "--ground-size") {
            std::string text;
            s = value(text);
            double metres = 0.0;
            if (s.ok()) {
                const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), metres);
                if (error != std::errc() || end != text.data() + text.size() ||
                    !std::isfinite(metres) || !(metres > 0.0)) {
                    s = Bad("--ground-size takes the metres of ground one picture shows, a number "
                            "above 0 such as 4 or 2.5; found \"" + text + "\"");
                }
                options.groundSize = metres;
            }
        } else if (name == "--look") {
            s = value(options.look);
            if (s.ok() && !materials::FindLook(options.look)) {
                std::string names;
                for (const materials::Look& look : materials::kLooks) {
                    names += (names.empty() ? "" : ", ") + std::string(look.name);
                }
                s = Bad("--look " + options.look + ": no such look; there are " + names);
            }
        } else if (name == "--force") {
            s = flag(options.force);
        } else if (name == "--check") {
            s = flag(options.check);
        } else if (name == "--report") {
            s = flag(options.report);
        } else if (name == "--version") {
        } else {
            s = Bad("unknown option " + name + " (marvane_materials --help lists them)");
        }
        if (!s.ok()) return s;
    }
    if (options.groundSize && options.low.empty() && options.high.empty() && options.steep.empty()) {
        return Bad("--ground-size goes with a picture: --low, --high or --steep");
    }
    if (options.force && options.look.empty()) return Bad("--force goes with --look");
    if (!options.look.empty() && options.rules) {
        return Bad("--look writes rules of its own; give either --look or --rules");
    }
    if (!options.WritesFiles() && !options.check && !options.report) {
        return Bad("nothing to do: give --rules, a picture, --look, --check or --report");
    }
    return Status();
}
