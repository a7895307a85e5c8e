// The window-system layer of a build without a dialog: the status goes only
// to the log, fatal errors go to standard error, and the options must come
// from the command line.
#include "painter/app/console_message.h"
#include "painter/app/ui.h"

void SetStatusField(const char*) {}

void SetControlsEnabled(bool) {}

void ShowFatalMessage(const char* text) { PrintFatalMessage(text); }

bool RunOptionsDialog() { return false; }

void AnswerWindowSystem() {}
