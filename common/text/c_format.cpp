#include "common/text/c_format.h"

#include <charconv>
#include <cmath>
#include <climits>
#include <cstdio>
#include <cstring>
#include <type_traits>

namespace {

struct Conversion {
    bool left = false, plus = false, space = false, alternate = false, zero = false;
    int width = 0;
    int precision = -1;    // -1: none given
    char length[3] = {};   // "", "h", "hh", "l", "ll", "L", "z", "j", "t", "q"
    char conversion = 0;
};

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

int ReadCount(const char*& at) {
    int value = 0;
    for (; IsDigit(*at); ++at) {
        if (value < 100000) value = value * 10 + (*at - '0');
    }
    return value;
}

// Parses the conversion after a '%', taking '*' widths and precisions from
// the arguments. Leaves `at` after the conversion character.
Conversion ParseConversion(const char*& at, va_list& args) {
    Conversion conv;
    for (;; ++at) {
        if (*at == '-') conv.left = true;
        else if (*at == '+') conv.plus = true;
        else if (*at == ' ') conv.space = true;
        else if (*at == '#') conv.alternate = true;
        else if (*at == '0') conv.zero = true;
        else if (*at != '\'') break;
    }
    if (*at == '*') {
        ++at;
        conv.width = va_arg(args, int);
        if (conv.width < 0) {
            conv.left = true;
            conv.width = conv.width == INT_MIN ? 0 : -conv.width;
        }
    } else {
        conv.width = ReadCount(at);
    }
    if (*at == '.') {
        ++at;
        if (*at == '*') {
            ++at;
            conv.precision = va_arg(args, int);
            if (conv.precision < 0) conv.precision = -1;
        } else {
            conv.precision = ReadCount(at);
        }
    }
    std::size_t n = 0;
    while (n < 2 && std::strchr("hlLzjtq", *at) && *at) conv.length[n++] = *at++;
    conv.conversion = *at;
    if (*at) ++at;
    return conv;
}

void Pad(std::string& out, const Conversion& conv, std::string body, std::size_t prefixLength) {
    const std::size_t width = static_cast<std::size_t>(conv.width);
    if (body.size() >= width) {
        out += body;
    } else if (conv.left) {
        out += body;
        out.append(width - body.size(), ' ');
    } else if (conv.zero && prefixLength != std::string::npos) {
        body.insert(prefixLength, width - body.size(), '0');
        out += body;
    } else {
        out.append(width - body.size(), ' ');
        out += body;
    }
}

void FormatReal(std::string& out, const Conversion& conv, double value) {
    const char lower = static_cast<char>(conv.conversion | 0x20);
    std::chars_format style = std::chars_format::fixed;
    if (lower == 'e') style = std::chars_format::scientific;
    if (lower == 'g') style = std::chars_format::general;
    if (lower == 'a') style = std::chars_format::hex;
    int precision = conv.precision;
    if (precision < 0 && lower != 'a') precision = 6;

    char digits[1200];  // %f of the largest double: 309 digits and the precision's
    if (precision > 700) precision = 700;
    const std::to_chars_result made =
        precision < 0 ? std::to_chars(digits, digits + sizeof digits, value, style)
                      : std::to_chars(digits, digits + sizeof digits, value, style, precision);
    std::string body(digits, made.ptr);

    const bool finite = std::isfinite(value);
    std::size_t afterSign = 0;
    if (!body.empty() && body[0] == '-') {
        afterSign = 1;
    } else if (conv.plus || conv.space) {
        body.insert(0, 1, conv.plus ? '+' : ' ');
        afterSign = 1;
    }
    if (lower == 'a' && finite) {
        body.insert(afterSign, "0x");
        afterSign += 2;
    }
    if (conv.alternate && finite && body.find('.') == std::string::npos && lower != 'g') {
        // '#' keeps the point even without decimals.
        const std::size_t exponent = body.find_first_of("ep", afterSign);
        body.insert(exponent == std::string::npos ? body.size() : exponent, 1, '.');
    }
    if (conv.conversion != lower) {
        for (char& ch : body) {
            if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
        }
    }
    Pad(out, conv, std::move(body), finite ? afterSign : std::string::npos);
}

// One conversion that no locale changes, by the C library itself.
template <class Value>
void FormatPlain(std::string& out, const Conversion& conv, Value value) {
    char pattern[32];
    std::snprintf(pattern, sizeof pattern, "%%%s%s%s%s%s*.*%s%c", conv.left ? "-" : "",
                  conv.plus ? "+" : "", conv.space ? " " : "", conv.alternate ? "#" : "",
                  conv.zero ? "0" : "", conv.length, conv.conversion);
    const int precision = conv.precision;
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#endif
    const int length = std::snprintf(nullptr, 0, pattern, conv.width, precision, value);
    if (length <= 0) return;
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(length) + 1);
    std::snprintf(&out[start], static_cast<std::size_t>(length) + 1, pattern, conv.width, precision,
                  value);
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
    out.resize(start + static_cast<std::size_t>(length));
}

bool Is(const Conversion& conv, const char* length) { return std::strcmp(conv.length, length) == 0; }

void FormatInteger(std::string& out, const Conversion& conv, va_list& args) {
    const bool isSigned = conv.conversion == 'd' || conv.conversion == 'i';
    if (Is(conv, "ll") || Is(conv, "q") || Is(conv, "j")) {
        if (isSigned) FormatPlain(out, conv, va_arg(args, long long));
        else FormatPlain(out, conv, va_arg(args, unsigned long long));
    } else if (Is(conv, "l")) {
        if (isSigned) FormatPlain(out, conv, va_arg(args, long));
        else FormatPlain(out, conv, va_arg(args, unsigned long));
    } else if (Is(conv, "z") || Is(conv, "t")) {
        if (isSigned) FormatPlain(out, conv, va_arg(args, std::make_signed_t<std::size_t>));
        else FormatPlain(out, conv, va_arg(args, std::size_t));
    } else {
        if (isSigned) FormatPlain(out, conv, va_arg(args, int));
        else FormatPlain(out, conv, va_arg(args, unsigned));
    }
}

}  // namespace

std::string FormatCV(const char* format, va_list arguments, std::size_t limit) {
    va_list args;
    va_copy(args, arguments);
    std::string out;
    for (const char* at = format; *at && out.size() <= limit;) {
        if (*at != '%') {
            const char* next = std::strchr(at, '%');
            const std::size_t run = next ? static_cast<std::size_t>(next - at) : std::strlen(at);
            out.append(at, run);
            at += run;
            continue;
        }
        ++at;
        if (*at == '%') {
            out += '%';
            ++at;
            continue;
        }
        const Conversion conv = ParseConversion(at, args);
        switch (conv.conversion) {
            case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': case 'a': case 'A':
                FormatReal(out, conv, Is(conv, "L") ? static_cast<double>(va_arg(args, long double))
                                                    : va_arg(args, double));
                break;
            case 'd': case 'i': case 'u': case 'o': case 'x': case 'X':
                FormatInteger(out, conv, args);
                break;
            case 'c': {
                Conversion plain = conv;
                plain.length[0] = 0;
                FormatPlain(out, plain, va_arg(args, int));
                break;
            }
            case 's': {
                const char* text = va_arg(args, const char*);
                FormatPlain(out, conv, text ? text : "(null)");
                break;
            }
            case 'p':
                FormatPlain(out, conv, va_arg(args, void*));
                break;
            case 'n':
                (void)va_arg(args, void*);  // never written: a format is not a place to store
                break;
            default:
                at = "";  // a broken format: the text ends here
                break;
        }
    }
    va_end(args);
    if (out.size() > limit) out.resize(limit);
    return out;
}

std::string FormatC(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = FormatCV(format, args);
    va_end(args);
    return text;
}
