#include "common/text/c_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace {

struct RealCase {
    const char* format;
    double value;
};

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// The conversions the programs use and their neighbours.
const RealCase kRealCases[] = {
    {"%.8f", 0.001128}, {"%1.0f", 4.0}, {"%.4f", 10.956}, {"%.1f", 1.45}, {"%g", 1e18},
    {"%g", 0.0001}, {"%g", 123456789.0}, {"%.4g", 47.123456}, {"%.6g", 1e-7}, {"%.7g", -5.5},
    {"%.9g", 0.1f}, {"%f", -0.0}, {"%e", 12345.678}, {"%E", 1e-300}, {"%G", 1e100},
    {"%10.3f", 3.14159}, {"%-10.3f|", 3.14159}, {"%010.3f", -3.14159}, {"%+.2f", 2.5},
    {"% .2f", 2.5}, {"%f", kInf}, {"%08f", -kInf}, {"%F", kInf}, {"%g", kNaN},
    {"%.0f", 0.5}, {"%.0f", 1.5}, {"%.3e", 0.0}, {"%#.0f", 3.0}, {"%.20f", 0.1},
    {"%f", 1e300},
};

std::string Reference(const char* format, double value) {
    char text[2000];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

class CFormat : public ::testing::Test {
protected:
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#endif

TEST_F(CFormat, WritesRealsAsTheCLibraryDoesInTheCLocale) {
    for (const RealCase& c : kRealCases) {
        EXPECT_EQ(FormatC(c.format, c.value), Reference(c.format, c.value)) << c.format;
    }
    EXPECT_EQ(FormatC("%.*f|%*d|%-*s|", 3, 1.0 / 3, 5, 42, 4, "ab"), "0.333|   42|ab  |");
}

TEST_F(CFormat, KeepsEveryOtherConversion) {
    EXPECT_EQ(FormatC("%d %i %u %x %X %o %c %s %% %5.2s|", -3, 7, 8u, 255u, 255u, 8u, 'z', "text",
                      "abc"),
              "-3 7 8 ff FF 10 z text %    ab|");
    EXPECT_EQ(FormatC("%zu %lld %llu %ld %hhd %.*s", std::size_t{1} << 40, -(1LL << 40),
                      18446744073709551615ull, -5L, 300, 3, "abcdef"),
              "1099511627776 -1099511627776 18446744073709551615 -5 44 abc");
    EXPECT_EQ(FormatC("%s and %d", "the same", 1), "the same and 1");
}

TEST_F(CFormat, CutsAtTheLimit) {
    const std::string longText(600, 'x');
    auto cut = [](const char* format, ...) {
        va_list args;
        va_start(args, format);
        std::string text = FormatCV(format, args, 511);
        va_end(args);
        return text;
    };
    EXPECT_EQ(cut("%s%s", longText.c_str(), "tail").size(), 511u);
    EXPECT_EQ(cut("%.2f", 1.0), "1.00");
}

// A toolkit's start-up sets the desktop's locale; what the programs write
// must not change with it.
TEST_F(CFormat, AGermanLocaleChangesNothing) {
    std::string expected[std::size(kRealCases)];
    for (std::size_t i = 0; i < std::size(kRealCases); ++i) {
        expected[i] = FormatC(kRealCases[i].format, kRealCases[i].value);
    }
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "German_Germany.1252")) {
        GTEST_SKIP() << "no German locale on this machine";
    }
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 0.5);
    EXPECT_STREQ(probe, "0,5") << "the locale does not use a decimal comma: the test proves nothing";
    for (std::size_t i = 0; i < std::size(kRealCases); ++i) {
        EXPECT_EQ(FormatC(kRealCases[i].format, kRealCases[i].value), expected[i])
            << kRealCases[i].format;
    }
    EXPECT_EQ(FormatC("%.8f", 0.001128), "0.00112800");
}

}  // namespace
