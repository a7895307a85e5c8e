#include "painter/app/recording_ui.h"

#include <mutex>

#include "painter/app/ui.h"

namespace recording_ui {
namespace {
std::mutex eventsMutex;
std::vector<std::string> events;
}  // namespace

std::vector<std::string> Events() {
    std::lock_guard<std::mutex> lock(eventsMutex);
    return events;
}

void Clear() {
    std::lock_guard<std::mutex> lock(eventsMutex);
    events.clear();
}

void Record(std::string event) {
    std::lock_guard<std::mutex> lock(eventsMutex);
    events.push_back(std::move(event));
}

}  // namespace recording_ui

void SetStatusField(const char* text) { recording_ui::Record(std::string("status: ") + text); }

void SetControlsEnabled(bool enabled) {
    recording_ui::Record(enabled ? "controls: on" : "controls: off");
}

void ShowFatalMessage(const char* text) { recording_ui::Record(std::string("fatal: ") + text); }
