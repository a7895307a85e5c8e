#include "tests/support/recording_ui.h"

#include <mutex>

#include "painter/app/ui.h"

namespace recording_ui {
namespace {
std::mutex eventsMutex;
std::vector<std::string> events;
std::function<void(const DialogHost&)> dialogScript;
std::function<void(const std::string&)> eventHook;
}  // namespace

std::vector<std::string> Events() {
    std::lock_guard<std::mutex> lock(eventsMutex);
    return events;
}

void Clear() {
    std::lock_guard<std::mutex> lock(eventsMutex);
    events.clear();
    dialogScript = nullptr;
    eventHook = nullptr;
}

void Record(std::string event) {
    std::function<void(const std::string&)> hook;
    {
        std::lock_guard<std::mutex> lock(eventsMutex);
        events.push_back(event);
        hook = eventHook;
    }
    if (hook) hook(event);
}

void SetDialogScript(std::function<void(const DialogHost&)> script) {
    std::lock_guard<std::mutex> lock(eventsMutex);
    dialogScript = std::move(script);
}

JobWindow Window() {
    return JobWindow{
        [](const char* text) { Record(std::string("status: ") + text); },
        [](bool enabled) { Record(enabled ? "controls: on" : "controls: off"); },
        [](const char* text) { Record(std::string("fatal: ") + text); },
    };
}

void SetEventHook(std::function<void(const std::string&)> hook) {
    std::lock_guard<std::mutex> lock(eventsMutex);
    eventHook = std::move(hook);
}

}  // namespace recording_ui

void ShowFatalMessage(const char* text) { recording_ui::Record(std::string("fatal: ") + text); }

bool RunOptionsDialog(const DialogHost& host) {
    recording_ui::Record("dialog: shown");
    std::function<void(const DialogHost&)> script;
    {
        std::lock_guard<std::mutex> lock(recording_ui::eventsMutex);
        script = recording_ui::dialogScript;
    }
    if (script) script(host);
    recording_ui::Record("dialog: closed");
    return true;
}

void AnswerWindowSystem() {}
