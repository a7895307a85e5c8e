#include "importer/import_notes.h"

#include <cstdarg>

#include "common/status/status.h"

std::string ImportText(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    std::string text = FormatCV(format, arguments, kMessageCapacity - 1);
    va_end(arguments);
    return text;
}
