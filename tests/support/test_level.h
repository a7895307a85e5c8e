#pragma once

#include <filesystem>

// A small but complete level for tests that run whole jobs through the
// dialog: the settings, a 129 × 129 primary heightmap (a 512 × 512 map, one
// tile), eight 33 × 33 surrounding heightmaps, and in the working folder the
// material set (three 512 × 512 textures, two 512 × 1 gradients).
//
// Lays out levelFolder/Heightdata.con, levelFolder/Heightmap*.raw and
// levelFolder/workingName/data/*.tga; returns the working folder.
std::filesystem::path WriteTestLevel(const std::filesystem::path& levelFolder,
                                     const char* workingName = "paint");
