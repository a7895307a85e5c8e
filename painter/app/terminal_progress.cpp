#include "painter/app/terminal_progress.h"

#include <algorithm>
#include <string>

#include "common/platform/platform.h"
#include "common/text/c_format.h"

namespace {

constexpr int kBarWidth = 30;
// Redrawn at most this often, or when the percentage changes: a terminal
// far away (a remote session) must not slow the job down.
constexpr std::int64_t kRedrawMilliseconds = 100;

}  // namespace

void TerminalProgress::Step(const char* text) {
    EndLine();
    std::fprintf(out_, "%s\n", text);
    std::fflush(out_);
    stepStart_ = platform::MillisecondClock();
    lastPercent_ = -1;
}

void TerminalProgress::Advance(double fraction) {
    fraction = std::clamp(fraction, 0.0, 1.0);
    const int percent = static_cast<int>(fraction * 100.0);
    const std::int64_t now = platform::MillisecondClock();
    if (percent == lastPercent_ && now - lastDrawn_ < kRedrawMilliseconds) return;
    const int filled = static_cast<int>(fraction * kBarWidth);
    const std::string bar = std::string(static_cast<std::size_t>(filled), '#') +
                            std::string(static_cast<std::size_t>(kBarWidth - filled), '.');
    // Carriage return, no line feed: the next drawing overwrites this one.
    const std::string line = FormatC("\r  [%s] %3d%%  %.1f s", bar.c_str(), percent,
                                     static_cast<double>(now - stepStart_) / 1000.0);
    std::fputs(line.c_str(), out_);
    std::fflush(out_);
    lineShown_ = true;
    lastPercent_ = percent;
    lastDrawn_ = now;
}

void TerminalProgress::EndLine() {
    if (!lineShown_) return;
    // Blanks over the bar rather than an escape sequence: every console
    // understands them.
    std::fprintf(out_, "\r%*s\r", kBarWidth + 20, "");
    std::fflush(out_);
    lineShown_ = false;
}
