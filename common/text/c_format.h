#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>

#if defined(__MINGW32__)
#define MARVANE_PRINTF(fmt, args) __attribute__((format(gnu_printf, fmt, args)))
#elif defined(__GNUC__)
#define MARVANE_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define MARVANE_PRINTF(fmt, args)
#endif

// printf formatting for the texts the programs write (messages, the log,
// the terminal, files) that reads the same under every locale: the
// floating-point conversions (%f %e %g %a and their capitals) are done as in
// the C library's "C" locale, with a point, whatever locale a toolkit set.
// Every other conversion is the C library's own, which no locale changes
// (the grouping flag ' is ignored, and %ls and %lc are not supported).
// At most `limit` bytes are kept, as snprintf with a buffer of limit + 1.
std::string FormatCV(const char* format, va_list args, std::size_t limit = std::string::npos);
std::string FormatC(const char* format, ...) MARVANE_PRINTF(1, 2);
