// The window-system layer of a build without a dialog: the status goes only
// to the log, and fatal errors go to standard error.
#include <cstdio>
#include <cstring>

#include "painter/app/ui.h"

void SetStatusField(const char*) {}

void SetControlsEnabled(bool) {}

void ShowFatalMessage(const char* text) {
    std::fputs(text, stderr);
    const size_t length = std::strlen(text);
    if (length == 0 || text[length - 1] != '\n') std::fputc('\n', stderr);
    std::fflush(stderr);
}
