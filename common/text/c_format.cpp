#include "common/text/c_format.h"

#include <charconv>
#include <cmath>
#include <climits>
#include <cstdio>
#include <cstring>
#include <type_traits>

namespace {

struct Spec {
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
Spec ParseSpec(const char*& at, va_list& args) {
    Spec spec;
    for (;; ++at) {
        if (*at == '-') spec.left = true;
        else if (*at == '+') spec.plus = true;
        else if (*at == ' ') spec.space = true;
        else if (*at == '#') spec.alternate = true;
        else if (*at == '0') spec.zero = true;
        else if (*at != '\'') break;
    }
    if (*at == '*') {
        ++at;
        spec.width = va_arg(args, int);
        if (spec.width < 0) {
            spec.left = true;
            spec.width = spec.width == INT_MIN ? 0 : -spec.width;
        }
    } else {
        spec.width = ReadCount(at);
    }
    if (*at == '.') {
        ++at;
        if (*at == '*') {
            ++at;
            spec.precision = va_arg(args, int);
            if (spec.precision < 0) spec.precision = -1;
        } else {
            spec.precision = ReadCount(at);
        }
    }
    std::size_t n = 0;
    while (n < 2 && std::strchr("hlLzjtq", *at) && *at) spec.length[n++] = *at++;
    spec.conversion = *at;
    if (*at) ++at;
    return spec;
}

void Pad(std::string& out, const Spec& spec, std::string body, std::size_t prefixLength) {
    const std::size_t width = static_cast<std::size_t>(spec.width);
    if (body.size() >= width) {
        out += body;
    } else if (spec.left) {
        out += body;
        out.append(width - body.size(), ' ');
    } else if (spec.zero && prefixLength != std::string::npos) {
        body.insert(prefixLength, width - body.size(), '0');
        out += body;
    } else {
        out.append(width - body.size(), ' ');
        out += body;
    }
}

void FormatReal(std::string& out, const Spec& spec, double value) {
    const char lower = static_cast<char>(spec.conversion | 0x20);
    std::chars_format style = std::chars_format::fixed;
    if (lower == 'e') style = std::chars_format::scientific;
    if (lower == 'g') style = std::chars_format::general;
    if (lower == 'a') style = std::chars_format::hex;
    int precision = spec.precision;
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
    } else if (spec.plus || spec.space) {
        body.insert(0, 1, spec.plus ? '+' : ' ');
        afterSign = 1;
    }
    if (lower == 'a' && finite) {
        body.insert(afterSign, "0x");
        afterSign += 2;
    }
    if (spec.alternate && finite && body.find('.') == std::string::npos && lower != 'g') {
        // '#' keeps the point even without decimals.
        const std::size_t exponent = body.find_first_of("ep", afterSign);
        body.insert(exponent == std::string::npos ? body.size() : exponent, 1, '.');
    }
    if (spec.conversion != lower) {
        for (char& ch : body) {
            if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
        }
    }
    Pad(out, spec, std::move(body), finite ? afterSign : std::string::npos);
}

// One conversion that no locale changes, by the C library itself.
template <class Value>
void FormatPlain(std::string& out, const Spec& spec, Value value) {
    char pattern[32];
    std::snprintf(pattern, sizeof pattern, "%%%s%s%s%s%s*.*%s%c", spec.left ? "-" : "",
                  spec.plus ? "+" : "", spec.space ? " " : "", spec.alternate ? "#" : "",
                  spec.zero ? "0" : "", spec.length, spec.conversion);
    const int precision = spec.precision;
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#endif
    const int length = std::snprintf(nullptr, 0, pattern, spec.width, precision, value);
    if (length <= 0) return;
    const std::size_t start = out.size();
    out.resize(start + static_cast<std::size_t>(length) + 1);
    std::snprintf(&out[start], static_cast<std::size_t>(length) + 1, pattern, spec.width, precision,
                  value);
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
    out.resize(start + static_cast<std::size_t>(length));
}

bool Is(const Spec& spec, const char* length) { return std::strcmp(spec.length, length) == 0; }

void FormatInteger(std::string& out, const Spec& spec, va_list& args) {
    const bool isSigned = spec.conversion == 'd' || spec.conversion == 'i';
    if (Is(spec, "ll") || Is(spec, "q") || Is(spec, "j")) {
        if (isSigned) FormatPlain(out, spec, va_arg(args, long long));
        else FormatPlain(out, spec, va_arg(args, unsigned long long));
    } else if (Is(spec, "l")) {
        if (isSigned) FormatPlain(out, spec, va_arg(args, long));
        else FormatPlain(out, spec, va_arg(args, unsigned long));
    } else if (Is(spec, "z") || Is(spec, "t")) {
        if (isSigned) FormatPlain(out, spec, va_arg(args, std::make_signed_t<std::size_t>));
        else FormatPlain(out, spec, va_arg(args, std::size_t));
    } else {
        if (isSigned) FormatPlain(out, spec, va_arg(args, int));
        else FormatPlain(out, spec, va_arg(args, unsigned));
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
        const Spec spec = ParseSpec(at, args);
        switch (spec.conversion) {
            case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': case 'a': case 'A':
                FormatReal(out, spec, Is(spec, "L") ? static_cast<double>(va_arg(args, long double))
                                                    : va_arg(args, double));
                break;
            case 'd': case 'i': case 'u': case 'o': case 'x': case 'X':
                FormatInteger(out, spec, args);
                break;
            case 'c': {
                Spec plain = spec;
                plain.length[0] = 0;
                FormatPlain(out, plain, va_arg(args, int));
                break;
            }
            case 's': {
                const char* text = va_arg(args, const char*);
                FormatPlain(out, spec, text ? text : "(null)");
                break;
            }
            case 'p':
                FormatPlain(out, spec, va_arg(args, void*));
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
