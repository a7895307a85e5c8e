// The window-system layer of a build without a dialog: fatal errors go to
// standard error, and the options must come from the command line.
#include "painter/app/console_message.h"
#include "painter/app/ui.h"

void ShowFatalMessage(const char* text) { PrintFatalMessage(text); }

bool RunOptionsDialog(const DialogHost&) { return false; }

void AnswerWindowSystem() {}
