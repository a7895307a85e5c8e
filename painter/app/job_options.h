#pragma once

// The three choices of one painting job. Every job gets its own copy.
struct JobOptions {
    bool mirrorColour = false;       // mirror every other repetition of the colour texture
    bool deleteTemporaries = false;  // delete the two big maps after splitting
    bool paintSurrounding = false;   // paint the eight surrounding heightmaps too
};
