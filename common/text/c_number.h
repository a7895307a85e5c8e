#pragma once

#include <cstdint>

// Numbers read from files, command lines and the environment as the C
// library reads them in its "C" locale, whatever locale the process runs
// under: a desktop whose decimal mark is a comma (set by its toolkit at
// start-up) must read "0.5" as one half, and read "0,5" as 0 followed by
// text, exactly as everywhere else.
//
// Each reader takes a NUL-terminated text, and returns the first character
// after the number, or null when the text does not start with one (then the
// value is left as it was).

// The blanks the C library skips in its "C" locale: space, \t, \n, \v, \f, \r.
bool IsCBlank(char ch);
const char* SkipCBlanks(const char* text);

// strtol(text, &end, 10): blanks, an optional sign, decimal digits. A number
// beyond the type saturates to its limit and sets `overflow`.
const char* ReadCInteger(const char* text, long long& value, bool* overflow = nullptr);

// strtof and strtod: blanks, an optional sign, then a decimal number with an
// optional exponent, a hexadecimal one ("0x1.8p3"), "inf", "infinity" or
// "nan" (any case, "nan(...)" too). Correctly rounded; a number too large
// gives infinity and one too small zero or a subnormal, setting `outOfRange`.
// A NaN is always the plain quiet one, whatever "nan(...)" says.
const char* ReadCFloat(const char* text, float& value, bool* outOfRange = nullptr);
const char* ReadCDouble(const char* text, double& value, bool* outOfRange = nullptr);
