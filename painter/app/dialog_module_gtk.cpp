// The GTK dialog module's entry, and its side of what the painter lends it.
// The dialog's code calls StartJobThread, JobStopRequested and
// platform::CurrentFolder as a program linked with them would; here those
// calls go to the painter's own, so that the dialog starts and stops the
// painter's jobs, not copies of its own. Everything else in the module is
// hidden: only the entry is exported.
#include "common/platform/platform.h"
#include "painter/app/dialog_module.h"
#include "painter/app/job_thread.h"
#include "painter/app/ui.h"

namespace {

const DialogHost* painter = nullptr;  // set by the entry, before any dialog shows

}  // namespace

bool StartJobThread(JobOptions options) { return painter->startJobThread(options); }

bool JobStopRequested() { return painter->jobStopRequested(); }

std::string platform::CurrentFolder() { return painter->currentFolder(); }

extern "C" __attribute__((visibility("default"))) void MarvaneDialogModuleV1(
    const DialogHost* host, WindowSystem* table) {
    painter = host;
    table->setStatusField = SetStatusField;
    table->setControlsEnabled = SetControlsEnabled;
    table->showFatalMessage = ShowFatalMessage;
    table->runOptionsDialog = RunOptionsDialog;
    table->answerWindowSystem = AnswerWindowSystem;
}
