#include "importer/import.h"

#include <memory>
#include <optional>

#include "importer/import_heights.h"
#include "importer/import_maps.h"
#include "importer/import_plan.h"
#include "importer/import_report.h"
#include "importer/import_settings.h"
#include "importer/import_write.h"
#include "importer/input_file.h"
#include "importer/level_files.h"

Status RunImport(const ImportOptions& options, std::vector<std::string>& report) {
    report.clear();
    const LevelFiles level(options.level);
    // A missing level folder is made, when the folder it goes in exists.
    const bool makeFolder = LevelFolderToMake(level.folder);
    // An import or a program ended half-way through writing the level is
    // completed or undone before the settings are read.
    std::string recovered;
    if (Status s = CompleteLevelWrite(level, recovered); !s.ok()) return s;
    if (!recovered.empty()) report.push_back("Note: " + recovered);
    std::optional<std::string> oldSettings;
    if (!makeFolder) {
        if (Status s = ReadLevelSettings(level, oldSettings); !s.ok()) return s;
    }

    std::unique_ptr<HeightSource> source;
    if (Status s = OpenHeightInput(options.input, options.raw, options.warp, source); !s.ok())
        return s;
    const HeightInfo grid = source->info();
    ImportNotes notes;
    ImportPlan plan;
    if (Status s = PlanImport(options, grid, oldSettings, level.settings, plan, notes); !s.ok()) {
        return s;
    }
    std::vector<ResampledMap> maps;
    if (Status s = ResampleMaps(*source, plan, options, maps); !s.ok()) return s;
    // Closed before the samples are made: GDAL's block cache goes with it.
    source.reset();
    HeightRange range;
    if (Status s = FillMaps(maps, options.surround, options.input, range, notes); !s.ok()) return s;
    ImportHeights heights;
    if (Status s = QuantizeMaps(maps, plan, options, range, heights, notes); !s.ok()) return s;
    ImportSettings settings;
    if (Status s =
            MakeSettings(plan, heights, options, oldSettings, level.settings, settings, notes);
        !s.ok()) {
        return s;
    }
    if (Status s = WriteImport(level, makeFolder, heights, settings, oldSettings, options, notes);
        !s.ok()) {
        return s;
    }
    ReportImport(options, grid, plan, heights, settings, level, notes, report);
    return Status();
}
