#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "painter/paint/paint_test_files.h"
#include "painter/paint/terrain_painter.h"
#include "painter/terrain/height_field.h"
#include "tests/support/temp_folder.h"
#include "tests/support/thread_count.h"

// A painter on a valid material set in a fresh working folder, for tests of
// the painting stages, which then set its tables, textures and planes.
struct PaintFixture {
    testing_support::TempWorkingFolder folder;
    TerrainPainter& painter() {
        if (!painter_) {
            paint_test::WriteMaterialSet();
            painter_ = std::make_unique<TerrainPainter>();
        }
        return *painter_;
    }

private:
    std::unique_ptr<TerrainPainter> painter_;
};

// A height field made in memory: heights and slopes given per vertex.
inline HeightField MakeField(std::int32_t size, float heightRange, float height, float slope) {
    HeightField field;
    field.size = size;
    field.horizontalScale = 1.0f;
    field.verticalScale = heightRange / 65536.0f;
    field.heightRange = heightRange;
    const std::size_t n = static_cast<std::size_t>(size) * static_cast<std::size_t>(size);
    field.heights.assign(n, height);
    field.normalMap.assign(n, slope);
    return field;
}

inline void SetTable(GradientTable& table, float value) { table.entries.fill(value); }

using ThreadCount = testing_support::ScopedThreadCount;
