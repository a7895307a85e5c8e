// The GTK dialog module's entry. Everything else in the module is hidden:
// only the entry is exported, and whatever the dialog needs of the painter
// comes with each showing (DialogHost).
#include "painter/app/dialog_module.h"

extern "C" __attribute__((visibility("default"))) void MarvaneDialogModuleV2(WindowSystem* table) {
    table->runOptionsDialog = RunOptionsDialog;
    table->answerWindowSystem = AnswerWindowSystem;
}
