// The window-system layer of the Linux painter whose GTK dialog is a module
// (dialog_module.h), loaded only by a start without options. The painter's
// own fatal messages and a command-line job's go to standard error; a
// dialog's job shows its own in the dialog.
//
// The module is looked for beside the painter (a working folder holding the
// programs and the module together), then in MARVANE_DIALOG_MODULE_DIR
// next to the painter's bin/ folder (the build tree and an installed prefix).
#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "common/platform/platform.h"
#include "painter/app/console_message.h"
#include "painter/app/dialog_module.h"
#include "painter/app/ui.h"

namespace {

constexpr const char* kRunWithOptions =
    "run the painter with -mirror 0|1 -surround 0|1 -deltemps 0|1 instead";

// The module's table, or false after saying on standard error why there is
// none. Loading it again (a second dialog) finds the module already loaded.
bool LoadDialogModule(WindowSystem& table) {
    const std::string beside = platform::ExecutableFolder();
    std::string found;
    for (const std::string& path :
         {beside + "/" MARVANE_DIALOG_MODULE,
          beside + "/../" MARVANE_DIALOG_MODULE_DIR "/" MARVANE_DIALOG_MODULE}) {
        if (!beside.empty() && ::access(path.c_str(), F_OK) == 0) {
            found = path;
            break;
        }
    }
    if (found.empty()) {
        std::fprintf(
            stderr,
            "Marvane: the options dialog (" MARVANE_DIALOG_MODULE
            ") is installed neither beside the painter nor in ../" MARVANE_DIALOG_MODULE_DIR
            "/; %s\n",
            kRunWithOptions);
        return false;
    }
    // Never closed: a job may call into the module until the program ends.
    void* module = ::dlopen(found.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        // Mostly GTK's own libraries missing, which the module needs; the
        // loader's own words tell that apart from a broken install.
        const char* reason = ::dlerror();
        std::fprintf(stderr,
                     "Marvane: the options dialog needs GTK 3 (Debian: apt-get install "
                     "libgtk-3-0) and could not be loaded: %s; %s\n",
                     reason ? reason : "no reason given", kRunWithOptions);
        return false;
    }
    auto* entry = reinterpret_cast<DialogModuleEntry*>(::dlsym(module, MARVANE_DIALOG_MODULE_ENTRY));
    if (!entry) {
        std::fprintf(stderr, "Marvane: %s belongs to another version of the painter; %s\n",
                     found.c_str(), kRunWithOptions);
        return false;
    }
    entry(&table);
    return true;
}

}  // namespace

void ShowFatalMessage(const char* text) { PrintFatalMessage(text); }

bool RunOptionsDialog(const DialogHost& host) {
    WindowSystem module{};
    return LoadDialogModule(module) && module.runOptionsDialog(host);
}

// The module's own does nothing: GTK delivers nothing to a thread that waits.
void AnswerWindowSystem() {}
