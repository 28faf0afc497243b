#include "platform/DateTime.h"
#include "platform/Format.h"
#include "platform/Sjis.h"
#include "platform/TextField.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

TEST(TextField, FieldIsOneBasedAndBlankPaddedPastTheEnd) {
    EXPECT_EQ("RA", Field("RA1", 1, 2));
    EXPECT_EQ("1  ", Field("RA1", 3, 3));
    EXPECT_EQ("   ", Field("RA1", 10, 3));
    EXPECT_EQ("  ", Field("RA1", 0, 2));
}

TEST(TextField, PutFieldPadsCutsAndGrows) {
    std::string record = "RA0";
    PutField(record, 3, 4, "12345");
    EXPECT_EQ("RA1234", record);
    PutField(record, 8, 2, "X");
    EXPECT_EQ("RA1234 X ", record);
}

TEST(TextField, NumbersThatDoNotReadCountAsZero) {
    EXPECT_EQ(12, ToInt("0012"));
    EXPECT_EQ(3, ToInt(" 3"));
    EXPECT_EQ(-7, ToInt("-7"));
    EXPECT_EQ(0, ToInt("  "));
    EXPECT_EQ(0, ToInt("1a"));
    EXPECT_EQ(0, ToInt("----"));
    EXPECT_EQ(0, ToInt("99999999999"));  // beyond an int
    EXPECT_EQ(99999999999LL, ToInt64("99999999999"));
    EXPECT_EQ(5, ToIntDef("x", 5));
    EXPECT_DOUBLE_EQ(2.5, ToDouble(" 2.5 "));
    EXPECT_DOUBLE_EQ(0.0, ToDouble("2.5.1"));
    EXPECT_DOUBLE_EQ(0.0, ToDouble("1e3"));
}

TEST(TextField, TrimLeavesFullWidthSpaces) {
    EXPECT_TEXT_EQ("　a　", Trim(" \t　a　\r\n"));
    EXPECT_TRUE(IsBlank(" \r\n"));
    EXPECT_FALSE(IsBlank("　"));
}

TEST(Format, PrintfPatterns) {
    EXPECT_EQ(" 3", Format("%2d", 3));
    EXPECT_EQ("  12.3", Format("%6.1f", 12.34));
    // Exact ties round to even on every system: 6.25 and 0.125 are exact binary values.
    EXPECT_EQ("  6.2 0.12  0.4", Format("%5.1f %.2f %4.1f", 6.25, 0.125, 0.375));
    EXPECT_EQ(std::string(300, 'x'), Format("%s", std::string(300, 'x').c_str()));
}

TEST(Sjis, LiteralsAreShiftJisAndConvertBothWays) {
    std::string tokyo = "東京";
    ASSERT_EQ(4u, tokyo.size());
    EXPECT_EQ(0x93, static_cast<unsigned char>(tokyo[0]));
    EXPECT_EQ(tokyo, Utf8ToSjis(SjisToUtf8(tokyo)));
    EXPECT_TRUE(IsValidSjis(tokyo + "ｱ abc"));
    EXPECT_FALSE(IsValidSjis(std::string("\x93", 1)));  // a lead byte without its trail
    EXPECT_EQ(
        "\xEF\xBF\xBD"
        "a",
        SjisToUtf8(std::string("\x80"
                               "a",
                               2)));
    // Single bytes that code page 932 leaves without a character, and a real trail byte 0x80.
    EXPECT_EQ("\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD", SjisToUtf8("\xA0\xFD\xFF"));
    EXPECT_EQ("\xC3\xB7", SjisToUtf8("\x81\x80"));
}

TEST(DateTime, FormatsPatternsAroundShiftJisCharacters) {
    DateTime t{2024, 1, 6, 10, 15, 0};
    EXPECT_TEXT_EQ("2024年01月06日10時15分00秒", FormatDateTime(t, "yyyy年mm月dd日hh時nn分ss秒"));
    EXPECT_EQ("2024/01/06 10:15:00", FormatDateTime(t, "yyyy/mm/dd hh:nn:ss"));
    EXPECT_EQ("20240106101500", FormatDateTime(t, "yyyymmddhhnnss"));
}

TEST(DateTime, ParsesAndRejects) {
    EXPECT_EQ((DateTime{2024, 1, 6, 9, 5, 0}), ParseDateTime("2024/1/6 9:05"));
    EXPECT_EQ((DateTime{2024, 2, 29, 0, 0, 0}), ParseDateTime("2024/02/29"));
    EXPECT_FALSE(ParseDateTime("2023/02/29").has_value());
    EXPECT_FALSE(ParseDateTime("2024/01/06 25:00:00").has_value());
    EXPECT_FALSE(ParseDateTime("garbage").has_value());
    EXPECT_EQ((DateTime{2024, 1, 6, 10, 15, 0}), ParseCompactDateTime("20240106101500"));
    EXPECT_FALSE(ParseCompactDateTime("00000000000000").has_value());
    EXPECT_EQ((DateTime{2026, 12, 9, 8, 30, 0}), ParseIsoDateTime("2026-12-09T08:30:00"));
}

TEST(DateTime, ArithmeticAcrossMonthsAndWeekdays) {
    EXPECT_EQ((DateTime{2023, 12, 23, 10, 0, 0}), AddDays({2024, 1, 6, 10, 0, 0}, -14));
    EXPECT_EQ((DateTime{2024, 3, 1, 0, 0, 30}), AddSeconds({2024, 2, 29, 23, 59, 30}, 60));
    EXPECT_EQ(6, DayOfWeek({2024, 1, 6}));  // a Saturday
    EXPECT_EQ(0, DayOfWeek({2024, 1, 7}));
}

}  // namespace
}  // namespace kagiroi
