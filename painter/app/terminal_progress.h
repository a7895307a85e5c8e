#pragma once

#include <cstdint>
#include <cstdio>

// What a command-line job shows on a terminal: each step's text on a line of
// its own, as the dialog's status field would show it, and during a long
// step one more line with a bar, the fraction done and the time the step has
// taken, redrawn in place. Nothing of it reaches the log.
class TerminalProgress {
public:
    explicit TerminalProgress(std::FILE* terminal) : out_(terminal) {}

    void Step(const char* text);
    void Advance(double fraction);
    // Clears the progress line, so that what follows starts a line of its own.
    void EndLine();

private:
    std::FILE* out_;
    bool lineShown_ = false;
    std::int64_t stepStart_ = 0;  // milliseconds
    std::int64_t lastDrawn_ = 0;
    int lastPercent_ = -1;
};
