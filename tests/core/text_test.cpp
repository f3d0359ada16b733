#include <gtest/gtest.h>

#include <cmath>

#include "text/encoding.h"
#include "text/number_format.h"

using namespace hk;

namespace {

struct FormatCase {
    const char* name;
    double value;
    const char* pattern;
    const char* expected;
};

class NumberFormat : public ::testing::TestWithParam<FormatCase> {};

TEST_P(NumberFormat, Prints) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberFormat,
    ::testing::Values(FormatCase{"ZeroPadded", 7, "000", "007"},
                      FormatCase{"WiderThanPattern", 12345, "000", "12345"},
                      FormatCase{"TwoDecimals", 3.14159, "0.00", "3.14"},
                      FormatCase{"ForcedDecimals", 3, "0.00", "3.00"},
                      FormatCase{"OptionalDecimalDropped", 12.0, "###.#", "12"},
                      FormatCase{"OptionalDecimalKept", 12.34, "###.#", "12.3"},
                      FormatCase{"HashesOnZero", 0, "###", ""},
                      FormatCase{"HashZeroWithZero", 0, "#0", "0"},
                      FormatCase{"LeadingHashFraction", 0.5, "#.##", ".5"},
                      FormatCase{"TieToEvenDown", 0.125, "0.00", "0.12"},
                      FormatCase{"TieToEvenUp", 0.375, "0.00", "0.38"},
                      FormatCase{"TieToEvenInteger", 2.5, "0", "2"},
                      FormatCase{"TieToEvenOdd", 3.5, "0", "4"},
                      FormatCase{"Negative", -4.25, "0.0", "-4.2"},
                      FormatCase{"NegativeRoundsToZero", -0.04, "0.0", "0.0"},
                      FormatCase{"Literals", 5, "(0)", "(5)"},
                      FormatCase{"NegativeWholeRoundsToZero", -0.4, "000", "000"},
                      FormatCase{"NegativeWholeTie", -6.5, "(00)", "(-06)"},
                      FormatCase{"NaNWhole", std::nan(""), "0", "nan"},
                      FormatCase{"HugeWhole", 1e20, "0", "100000000000000000000"}),
    [](const auto& info) { return info.param.name; });

TEST(Encoding, Windows1250RoundTrip) {
    const std::string czech = "Žluťoučký kůň úpěl ďábelské ódy";
    const std::string bytes = Utf8ToCp1250(czech);
    EXPECT_EQ(bytes.size(), 31u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0x8E); // Ž
    EXPECT_EQ(Cp1250ToUtf8(bytes), czech);
    EXPECT_EQ(Utf8ToCp1250("zvlášťní"), "zvl\xE1\x9A\x9D"
                                        "n\xED");
    // Characters the code page lacks, and bytes that are not characters.
    EXPECT_EQ(Utf8ToCp1250("a€b日c"), "a\x80"
                                      "b?c");
    EXPECT_EQ(Cp1250ToUtf8("a\x98z"), "a\xEF\xBF\xBDz");
    EXPECT_EQ(Utf8ToCp1250("a\xFF"
                           "b"),
              "a?b");
}

} // namespace
