#include "painter/app/console_message.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <cstdio>
#include <cstring>

#include "common/platform/terminal.h"

void PrintFatalMessage(const char* text) {
    std::fputs(text, stderr);
    const size_t length = std::strlen(text);
    if (length == 0 || text[length - 1] != '\n') std::fputc('\n', stderr);
    std::fflush(stderr);
}

void ShowInformation(const char* text) {
    if (platform::ReachStartingConsole()) {
        std::fputs(text, stdout);
        std::fflush(stdout);
        return;
    }
#ifdef _WIN32
    ::MessageBoxA(nullptr, text, "Marvane", MB_ICONINFORMATION | MB_OK);
#endif
}
