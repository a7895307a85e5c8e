#pragma once

#include "painter/app/ui.h"

// On Linux the GTK options dialog is a module of its own, loaded with dlopen
// only when the painter starts without options: a command-line run neither
// needs GTK installed nor loads it. The painter and the module meet through
// one small table. Both are built from one tree by one compiler, so C++
// types may cross; the entry's name carries the table's version, so that a
// module left over from another build is refused instead of misread.
//
// What the painter lends the dialog (how Go starts a job, the working
// folder) is handed to runOptionsDialog with each showing, as on Windows.

// What the module fills in: its side of ui.h, called on the painter's main
// thread.
struct WindowSystem {
    bool (*runOptionsDialog)(const DialogHost& host);
    void (*answerWindowSystem)();
};

// The module's one exported function: fills in every entry of `table`.
#define MARVANE_DIALOG_MODULE_ENTRY "MarvaneDialogModuleV2"
using DialogModuleEntry = void(WindowSystem* table);
