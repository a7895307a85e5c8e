#include "painter/app/console_message.h"

#include <cstdio>
#include <cstring>

void PrintFatalMessage(const char* text) {
    std::fputs(text, stderr);
    const size_t length = std::strlen(text);
    if (length == 0 || text[length - 1] != '\n') std::fputc('\n', stderr);
    std::fflush(stderr);
}
