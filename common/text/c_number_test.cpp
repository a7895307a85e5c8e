#include "common/text/c_number.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// Texts around every turn of the C library's number grammar.
const char* const kReals[] = {
    "0.5", " \t\n\v\f\r0.5", "4/0.001128", "+1.5e3", "-0", ".5", "5.", ".", "-.e1", "1e", "1e+",
    "1e-2x", "1E2", "0x1.8p3", "0X1P-149", "0x1p-150", "0x", "0x.8", "0x.", "0xg", "0x1p", "inf",
    "-Infinity", "INFIN", "nan", "-NaN", "nan(12ab_)", "nan(", "1e39", "-1e39",
    "1e-50", "3.40282356e38", "3.4028235e38", "1e-40", "7e-46", "0,5", "60,0126", "\xA0" "1",
    "00012.500", "0.0000000000000000000000000000000000000000000000000001e50",
    "1000000000000000000000000000000000000000000000000000000000000000000000000000000000000e-80",
    "123456789012345678901234567890e-20", "1e99999999999999999999", "1e-99999999999999999999",
    "0e999999", "1.00000005960464477539062500000000001", "2.2250738585072014e-308", "4e-320",
    "1e309", "", "-", "+", "e5", "x", " ,5",
};

// The process's own locale is "C" here: the C library's readers are the
// reference.
TEST(CNumber, ReadsRealsAsTheCLibraryDoesInTheCLocale) {
    for (const char* text : kReals) {
        SCOPED_TRACE(std::string("text \"") + text + "\"");
        char* floatEnd = nullptr;
        const float expectedFloat = std::strtof(text, &floatEnd);
        float gotFloat = 12.0f;
        const char* end = ReadCFloat(text, gotFloat);
        if (floatEnd == text) {
            EXPECT_EQ(end, nullptr);
            EXPECT_EQ(gotFloat, 12.0f);
            continue;
        }
        EXPECT_EQ(end, floatEnd);
        if (std::isnan(expectedFloat)) {
            EXPECT_TRUE(std::isnan(gotFloat));
            EXPECT_EQ(std::signbit(gotFloat), std::signbit(expectedFloat));
        } else {
            EXPECT_EQ(std::memcmp(&gotFloat, &expectedFloat, sizeof gotFloat), 0)
                << gotFloat << " against " << expectedFloat;
        }

        char* doubleEnd = nullptr;
        const double expectedDouble = std::strtod(text, &doubleEnd);
        double gotDouble = 0.0;
        EXPECT_EQ(ReadCDouble(text, gotDouble), doubleEnd);
        if (!std::isnan(expectedDouble)) {
            EXPECT_EQ(std::memcmp(&gotDouble, &expectedDouble, sizeof gotDouble), 0)
                << gotDouble << " against " << expectedDouble;
        }
    }
}

TEST(CNumber, SaysWhenARealIsOutOfRange) {
    const struct {
        const char* text;
        bool outOfRange;
    } cases[] = {{"1e39", true}, {"-1e39", true}, {"1e-50", true}, {"1e-40", true},
                 {"3.4028235e38", false}, {"0", false}, {"1e-30", false}, {"inf", false}};
    for (const auto& c : cases) {
        float value = 0.0f;
        bool outOfRange = !c.outOfRange;
        ASSERT_NE(ReadCFloat(c.text, value, &outOfRange), nullptr) << c.text;
        EXPECT_EQ(outOfRange, c.outOfRange) << c.text;
    }
}

TEST(CNumber, ReadsIntegersAsStrtollDoes) {
    const char* const texts[] = {"0", " 42", "+5", "-12x", "\v-7", "9223372036854775807",
                                 "9223372036854775808", "-9223372036854775808",
                                 "-9223372036854775809", "99999999999999999999999", "",
                                 "-", "+ 1", "x1", "0x10", "1.5", "\xA0" "3"};
    for (const char* text : texts) {
        SCOPED_TRACE(std::string("text \"") + text + "\"");
        char* expectedEnd = nullptr;
        errno = 0;
        const long long expected = std::strtoll(text, &expectedEnd, 10);
        const bool expectedOverflow = errno == ERANGE;
        long long got = 99;
        bool overflow = false;
        const char* end = ReadCInteger(text, got, &overflow);
        if (expectedEnd == text) {
            EXPECT_EQ(end, nullptr);
            continue;
        }
        EXPECT_EQ(end, expectedEnd);
        EXPECT_EQ(got, expected);
        EXPECT_EQ(overflow, expectedOverflow);
    }
}

// What a toolkit does at start-up: the desktop's locale, with a decimal
// comma. The readers must not notice.
TEST(CNumber, AGermanLocaleChangesNothing) {
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "German_Germany.1252")) {
        GTEST_SKIP() << "no German locale on this machine (Debian: localedef -i de_DE -f UTF-8 "
                        "de_DE.UTF-8)";
    }
    float value = 0.0f;
    const char* end = ReadCFloat("0.001128 rest", value);
    float comma = 1.0f;
    const char* commaEnd = ReadCFloat("0,5", comma);
    std::setlocale(LC_ALL, "C");
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(value, 0.001128f);
    EXPECT_STREQ(end, " rest");
    ASSERT_NE(commaEnd, nullptr);
    EXPECT_EQ(comma, 0.0f);
    EXPECT_STREQ(commaEnd, ",5");
}

}  // namespace
