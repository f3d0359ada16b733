#include <gtest/gtest.h>

#include "text/encoding.h"
#include "text/number_format.h"

using namespace hk;

namespace {

TEST(NumberFormat, Prints) {
    const struct {
        double value;
        const char *pattern, *expected;
    } rows[] = {
        {7, "000", "007"},
        {12345, "000", "12345"},
        {3.14159, "0.00", "3.14"},
        {3, "0.00", "3.00"},
        {12.0, "###.#", "12"},
        {12.34, "###.#", "12.3"},
        {0, "###", ""},
        {0, "#0", "0"},
        {0.5, "#.##", ".5"},
        // Ties go to the even digit.
        {0.125, "0.00", "0.12"},
        {0.375, "0.00", "0.38"},
        {2.5, "0", "2"},
        {3.5, "0", "4"},
        {-4.25, "0.0", "-4.2"},
        {-0.04, "0.0", "0.0"},
        {5, "(0)", "(5)"},
    };
    for (const auto& c : rows)
        EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected) << c.value << " " << c.pattern;
}

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
