#pragma once

#include <string>

#include "painter/app/job_options.h"

// On Linux the GTK options dialog is a module of its own, loaded with dlopen
// only when the painter starts without options: a command-line run neither
// needs GTK installed nor loads it. The painter and the module meet through
// two small tables. Both are built from one tree by one compiler, so C++
// types may cross; the entry's name carries the tables' version, so that a
// module left over from another build is refused instead of misread.

// What the painter lends the module: the job threads and their stop flag
// live in the painter, and the module's job controls must reach those.
struct DialogHost {
    bool (*startJobThread)(JobOptions options);
    bool (*jobStopRequested)();
    std::string (*currentFolder)();
};

// What the module fills in: the window-system layer of ui.h, for the painter
// to call from its main thread and (the first three) from a job's thread.
struct WindowSystem {
    void (*setStatusField)(const char* text);
    void (*setControlsEnabled)(bool enabled);
    void (*showFatalMessage)(const char* text);
    bool (*runOptionsDialog)();
    void (*answerWindowSystem)();
};

// The module's one exported function: keeps `host` (which outlives it) and
// fills in every entry of `table`.
#define MARVANE_DIALOG_MODULE_ENTRY "MarvaneDialogModuleV1"
using DialogModuleEntry = void(const DialogHost* host, WindowSystem* table);
