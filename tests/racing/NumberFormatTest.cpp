#include "racing/KeibaFunc.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <string>

namespace kagiroi {
namespace {

TEST(CircledNumber, OneToEighteenByValue) {
    EXPECT_TEXT_EQ("①", CircledNumber("1"));
    EXPECT_TEXT_EQ("①", CircledNumber("01"));
    EXPECT_TEXT_EQ("⑨", CircledNumber("09"));
    EXPECT_TEXT_EQ("⑩", CircledNumber("10"));
    EXPECT_TEXT_EQ("⑱", CircledNumber("18"));
    EXPECT_TEXT_EQ("\x87\x40", CircledNumber("01"));
    EXPECT_TEXT_EQ("\x87\x51", CircledNumber("18"));
    // The circled numbers follow one another in code page 932, one a value.
    for (int n = 1; n <= 18; ++n) {
        std::string expected = {'\x87', static_cast<char>(0x40 + n - 1)};
        EXPECT_TEXT_EQ(expected, CircledNumber(std::to_string(n))) << n;
    }
}

TEST(CircledNumber, AnythingElseIsAFullWidthDash) {
    for (const char* text : {"0", "00", "19", "-1", "  ", "", "1a", "１"})
        EXPECT_TEXT_EQ("－", CircledNumber(text)) << text;
    EXPECT_TEXT_EQ("\x81\x7C", CircledNumber("99"));
}

TEST(FormatIntField, RightAlignedAsWideAsTheField) {
    EXPECT_TEXT_EQ(" 3", FormatIntField("03"));
    EXPECT_TEXT_EQ("11", FormatIntField("11"));
    EXPECT_TEXT_EQ("  12", FormatIntField("0012"));
    EXPECT_TEXT_EQ("    1500", FormatIntField("00001500"));
    EXPECT_TEXT_EQ("  7", FormatIntField("  7"));
    EXPECT_TEXT_EQ("9876543210", FormatIntField("9876543210"));  // wider than an int
}

TEST(FormatIntField, ZeroBlankOrUnreadableGiveSpaces) {
    EXPECT_TEXT_EQ("  ", FormatIntField("  "));
    EXPECT_TEXT_EQ("  ", FormatIntField("00"));
    EXPECT_TEXT_EQ("        ", FormatIntField("00000000"));
    EXPECT_TEXT_EQ("   ", FormatIntField("1 2"));
    EXPECT_TEXT_EQ("  ", FormatIntField("**"));
    EXPECT_TEXT_EQ("", FormatIntField(""));
}

TEST(TrioText, SortsAndPadsThreeDifferentHorses) {
    EXPECT_TEXT_EQ(" 1- 3-12", TrioText(3, 12, 1));
    EXPECT_TEXT_EQ(" 1- 2- 3", TrioText(1, 2, 3));
    EXPECT_TEXT_EQ("16-17-18", TrioText(18, 16, 17));
    EXPECT_TEXT_EQ(" 5- 9-14", TrioText(14, 5, 9));
    EXPECT_EQ(490, TrioIndex(TrioText(9, 14, 5)));
}

TEST(TrioText, EmptyForRepeatedOrOutOfRangeHorses) {
    EXPECT_TEXT_EQ("", TrioText(5, 5, 7));
    EXPECT_TEXT_EQ("", TrioText(7, 5, 7));
    EXPECT_TEXT_EQ("", TrioText(0, 2, 3));
    EXPECT_TEXT_EQ("", TrioText(1, 2, 19));
    EXPECT_TEXT_EQ("", TrioText(-1, 2, 3));
    EXPECT_TEXT_EQ("", TrioText(4, 4, 4));
}

TEST(TrioText, EveryTripleOfHorsesNamesItsTrio) {
    int named = 0;
    for (int a = 0; a <= 19; ++a)
        for (int b = 0; b <= 19; ++b)
            for (int c = 0; c <= 19; ++c) {
                std::string text = TrioText(a, b, c);
                bool valid = a != b && b != c && a != c && a >= 1 && b >= 1 && c >= 1 && a <= 18 &&
                             b <= 18 && c <= 18;
                ASSERT_EQ(valid, !text.empty()) << a << ' ' << b << ' ' << c;
                if (!valid) continue;
                EXPECT_NE(0, TrioIndex(text)) << text;
                EXPECT_EQ(TrifectaByIndex(TrifectaIndex(text)), text);
                ++named;
            }
    EXPECT_EQ(kTrioCount * 6, named);
}

}  // namespace
}  // namespace kagiroi
