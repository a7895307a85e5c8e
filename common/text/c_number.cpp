#include "common/text/c_number.h"

#include <charconv>
#include <climits>
#include <cstring>
#include <limits>

namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

bool IsHexDigit(char ch) {
    return IsDigit(ch) || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

char Lower(char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; }

// Whether `text` begins with `word` (lower case), in any case.
bool StartsNoCase(const char* text, const char* word) {
    for (; *word; ++text, ++word) {
        if (Lower(*text) != *word) return false;
    }
    return true;
}

// The extent of a number's digits, its point and its exponent, as the C
// library would take them; `power` estimates the power of the radix of its
// first non-zero digit (enough to tell an overflow from an underflow).
struct Extent {
    const char* end = nullptr;  // null: no digits
    long long power = 0;
};

Extent ScanDigits(const char* at, bool hex) {
    auto isDigit = hex ? IsHexDigit : IsDigit;
    Extent extent;
    bool any = false;
    bool nonZero = false;
    long long beforePoint = 0;  // digits before the point, once the first non-zero one is seen
    long long leadingZeros = 0; // zeros after the point before the first non-zero digit
    for (; isDigit(*at); ++at) {
        any = true;
        nonZero = nonZero || *at != '0';
        if (nonZero) ++beforePoint;
    }
    if (*at == '.') {
        const char* point = at;
        for (++at; isDigit(*at); ++at) {
            any = true;
            if (!nonZero && *at == '0') ++leadingZeros;
            nonZero = nonZero || *at != '0';
        }
        if (!any) at = point;
    }
    if (!any) return extent;
    // A hexadecimal digit is four binary places; the exponent counts in twos.
    const long long digitPower = hex ? 4 : 1;
    extent.power = beforePoint > 0 ? (beforePoint - 1) * digitPower : -(leadingZeros + 1) * digitPower;
    const char exponentMark = hex ? 'p' : 'e';
    if (Lower(*at) == exponentMark) {
        const char* exponent = at + 1;
        const bool negative = *exponent == '-';
        if (*exponent == '+' || *exponent == '-') ++exponent;
        if (IsDigit(*exponent)) {
            long long value = 0;
            for (; IsDigit(*exponent); ++exponent) {
                if (value < LLONG_MAX / 100) value = value * 10 + (*exponent - '0');
            }
            extent.power += negative ? -value : value;
            at = exponent;
        }
    }
    extent.end = at;
    return extent;
}

template <class Real>
const char* ReadCReal(const char* text, Real& value, bool* outOfRange) {
    if (outOfRange) *outOfRange = false;
    const char* at = SkipCBlanks(text);
    const bool negative = *at == '-';
    if (*at == '+' || *at == '-') ++at;
    const Real sign = negative ? Real(-1) : Real(1);

    if (StartsNoCase(at, "inf")) {
        at += StartsNoCase(at + 3, "inity") ? 8 : 3;
        value = sign * std::numeric_limits<Real>::infinity();
        return at;
    }
    if (StartsNoCase(at, "nan")) {
        at += 3;
        if (*at == '(') {
            const char* close = at + 1;
            while (IsDigit(*close) || (Lower(*close) >= 'a' && Lower(*close) <= 'z') || *close == '_') {
                ++close;
            }
            if (*close == ')') at = close + 1;
        }
        value = negative ? -std::numeric_limits<Real>::quiet_NaN()
                         : std::numeric_limits<Real>::quiet_NaN();
        return at;
    }

    // "0x" counts only with a hexadecimal digit after it (or a point and
    // one); otherwise the number is the "0" alone.
    const bool hex = at[0] == '0' && Lower(at[1]) == 'x' &&
                     (IsHexDigit(at[2]) || (at[2] == '.' && IsHexDigit(at[3])));
    const char* digits = hex ? at + 2 : at;
    const Extent extent = ScanDigits(digits, hex);
    if (!extent.end) return nullptr;

    Real magnitude = 0;
    const auto parsed = std::from_chars(digits, extent.end, magnitude,
                                        hex ? std::chars_format::hex : std::chars_format::general);
    if (parsed.ec == std::errc::result_out_of_range) {
        if (outOfRange) *outOfRange = true;
        magnitude = extent.power >= 0 ? std::numeric_limits<Real>::infinity() : Real(0);
    } else if (magnitude != 0 && magnitude < std::numeric_limits<Real>::min()) {
        if (outOfRange) *outOfRange = true;  // subnormal: the C library says so too
    }
    value = sign * magnitude;
    return extent.end;
}

}  // namespace

bool IsCBlank(char ch) {
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

const char* SkipCBlanks(const char* text) {
    while (IsCBlank(*text)) ++text;
    return text;
}

const char* ReadCInteger(const char* text, long long& value, bool* overflow) {
    if (overflow) *overflow = false;
    const char* at = SkipCBlanks(text);
    const bool negative = *at == '-';
    if (*at == '+' || *at == '-') ++at;
    if (!IsDigit(*at)) return nullptr;
    // Gathered as a negative number, whose range holds LLONG_MIN.
    long long gathered = 0;
    bool saturated = false;
    for (; IsDigit(*at); ++at) {
        const int digit = *at - '0';
        if (gathered < (LLONG_MIN + digit) / 10) {
            saturated = true;
        } else if (!saturated) {
            gathered = gathered * 10 - digit;
        }
    }
    if (!negative && !saturated && gathered == LLONG_MIN) saturated = true;
    if (saturated) {
        value = negative ? LLONG_MIN : LLONG_MAX;
    } else {
        value = negative ? gathered : -gathered;
    }
    if (overflow) *overflow = saturated;
    return at;
}

const char* ReadCFloat(const char* text, float& value, bool* outOfRange) {
    return ReadCReal(text, value, outOfRange);
}

const char* ReadCDouble(const char* text, double& value, bool* outOfRange) {
    return ReadCReal(text, value, outOfRange);
}
