#include "racing/KeibaFunc.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

namespace kagiroi {
namespace {

TEST(CircledNumber, OneToEighteenByValue) {
    EXPECT_TEXT_EQ("①", CircledNumber("01"));
    EXPECT_TEXT_EQ("⑩", CircledNumber("10"));
    EXPECT_TEXT_EQ("⑱", CircledNumber("18"));
    EXPECT_TEXT_EQ("\x87\x48", CircledNumber("9"));
    for (const char* text : {"0", "19", "-1", "  ", "", "1a", "１"})
        EXPECT_TEXT_EQ("\x81\x7C", CircledNumber(text)) << text;  // －
}

TEST(FormatIntField, RightAlignedAsWideAsTheField) {
    EXPECT_EQ(" 3", FormatIntField("03"));
    EXPECT_EQ("  12", FormatIntField("0012"));
    EXPECT_EQ("  7", FormatIntField("  7"));
    EXPECT_EQ("9876543210", FormatIntField("9876543210"));  // wider than an int
    // Zero, blank or unreadable: as many spaces as the field is wide.
    EXPECT_EQ("  ", FormatIntField("  "));
    EXPECT_EQ("        ", FormatIntField("00000000"));
    EXPECT_EQ("   ", FormatIntField("1 2"));
    EXPECT_EQ("", FormatIntField(""));
}

TEST(TrioText, SortsAndPadsThreeDifferentHorses) {
    EXPECT_EQ(" 1- 3-12", TrioText(3, 12, 1));
    EXPECT_EQ("16-17-18", TrioText(18, 16, 17));
    for (auto [a, b, c] : {std::tuple{5, 5, 7}, {7, 5, 7}, {0, 2, 3}, {1, 2, 19}, {-1, 2, 3}})
        EXPECT_EQ("", TrioText(a, b, c)) << a << ' ' << b << ' ' << c;
}

TEST(TrioText, EveryOrderOfThreeHorsesNamesTheirTrio) {
    int named = 0;
    for (int a = 0; a <= 19; ++a)
        for (int b = 0; b <= 19; ++b)
            for (int c = 0; c <= 19; ++c) {
                std::string text = TrioText(a, b, c);
                bool valid = a != b && b != c && a != c && std::min({a, b, c}) >= 1 &&
                             std::max({a, b, c}) <= 18;
                ASSERT_EQ(valid, !text.empty()) << a << ' ' << b << ' ' << c;
                if (!valid) continue;
                EXPECT_NE(0, TrioIndex(text)) << text;
                ++named;
            }
    EXPECT_EQ(kTrioCount * 6, named);
}

}  // namespace
}  // namespace kagiroi
