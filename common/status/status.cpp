#include "common/status/status.h"

#include <cstdarg>

namespace {

// The same text under every locale: numbers with a point.
std::string Format(const char* format, va_list args) {
    return FormatCV(format, args, kMessageCapacity - 1);
}

}  // namespace

Status Status::Failuref(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string message = Format(format, args);
    va_end(args);
    return Failure(std::move(message));
}

void Fail(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string message = Format(format, args);
    va_end(args);
    throw FatalError{std::move(message)};
}

