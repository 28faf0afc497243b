#include "racing/KeibaFunc.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <string>

namespace kagiroi {
namespace {

TEST(RaceTypeLabel, EightFullWidthCharactersMatchedAsWholeCodes) {
    EXPECT_TEXT_EQ("サラ系３歳以上　", RaceTypeLabel("13"));
    EXPECT_TEXT_EQ("サラ障害４歳以上", RaceTypeLabel("19"));
    EXPECT_TEXT_EQ("アラブ系２歳　　", RaceTypeLabel("21"));
    // Full-width digit and spaces, byte for byte.
    EXPECT_TEXT_EQ("\x83\x54\x83\x89\x8C\x6E\x82\x51\x8D\xCE\x81\x40\x81\x40\x81\x40",
                   RaceTypeLabel("11"));
    for (const char* code : {"11", "12", "13", "14", "18", "19", "21", "22", "23", "24"})
        EXPECT_EQ(16u, RaceTypeLabel(code).size()) << code;
    for (const char* code : {"15", "00", "", "011", " 11"})
        EXPECT_TEXT_EQ("　　　　　　　　", RaceTypeLabel(code)) << code;
}

TEST(GradeLabel, FiveBytesEach) {
    EXPECT_TEXT_EQ("G1   ", GradeLabel("A"));
    EXPECT_TEXT_EQ("重賞 ", GradeLabel("D"));
    EXPECT_TEXT_EQ("JG3  ", GradeLabel("H"));
    EXPECT_TEXT_EQ("List ", GradeLabel("L"));
    EXPECT_TEXT_EQ("\x81\x40\x81\x40 ", GradeLabel(" "));
    EXPECT_TEXT_EQ("　　 ", GradeLabel("a"));
    for (const char* code : {"A", "B", "C", "D", "E", "F", "G", "H", "L", "K", ""})
        EXPECT_EQ(5u, GradeLabel(code).size()) << code;
}

TEST(ShortCodeTables, WholeCodeTables) {
    EXPECT_TEXT_EQ("\xCA\xDD\xC3\xDE", WeightTypeLabel("1"));  // half-width ﾊﾝﾃﾞ
    EXPECT_TEXT_EQ("定量", WeightTypeLabel("4"));
    EXPECT_TEXT_EQ("", WeightTypeLabel("01"));
    EXPECT_TEXT_EQ("小雨", WeatherLabel("4"));
    EXPECT_TEXT_EQ("小雪", WeatherLabel("6"));
    EXPECT_TEXT_EQ("", WeatherLabel("0"));
    EXPECT_TEXT_EQ("牝", SexLabel("2"));
    EXPECT_TEXT_EQ("\xBE\xDD", SexLabel("3"));  // half-width ｾﾝ
    EXPECT_TEXT_EQ("", SexLabel("4"));
    EXPECT_TEXT_EQ("芝:稍重", GoingLabel("2", 1));
    EXPECT_TEXT_EQ("ダ:不良", GoingLabel("4", 2));
    EXPECT_TEXT_EQ("", GoingLabel("5", 2));
    EXPECT_TEXT_EQ("", GoingLabel("1", 3));
}

TEST(ShortCodeTables, WeekdayMatchesByValue) {
    EXPECT_TEXT_EQ("土", WeekdayLabel("1"));
    EXPECT_TEXT_EQ("日", WeekdayLabel("02"));
    EXPECT_TEXT_EQ("金", WeekdayLabel("8"));
    EXPECT_TEXT_EQ("　", WeekdayLabel("0"));
    EXPECT_TEXT_EQ("　", WeekdayLabel(" "));  // blank reads as 0
    EXPECT_TEXT_EQ("", WeekdayLabel("9"));
}

TEST(TrackLabels, LongAndShortFormsByValue) {
    EXPECT_TEXT_EQ("芝 直線", TrackLabel("10"));
    EXPECT_TEXT_EQ("芝直", TrackShortLabel("10"));
    EXPECT_TEXT_EQ("芝 左回り 内→外回り", TrackLabel("13"));
    EXPECT_TEXT_EQ("芝右", TrackShortLabel("22"));
    EXPECT_TEXT_EQ("ﾀﾞｰﾄ 左回り 内回り", TrackLabel("25"));
    EXPECT_TEXT_EQ("", TrackShortLabel("25"));
    EXPECT_TEXT_EQ("ダ直", TrackShortLabel("29"));
    EXPECT_TEXT_EQ("障害 芝　襷", TrackLabel("51"));
    EXPECT_TEXT_EQ("障害", TrackShortLabel("59"));
    EXPECT_TEXT_EQ("芝 左回り", TrackLabel("011"));
    // Half-width ﾀﾞｰﾄ, ASCII blank, full-width 左回り.
    EXPECT_TEXT_EQ("\xC0\xDE\xB0\xC4 \x8D\xB6\x89\xF1\x82\xE8", TrackLabel("23"));
    for (int code = 0; code <= 99; ++code) {
        bool listed = (code >= 10 && code <= 29) || (code >= 51 && code <= 59);
        bool hasShort = listed && !(code >= 25 && code <= 28);
        EXPECT_EQ(listed, !TrackLabel(std::to_string(code)).empty()) << code;
        EXPECT_EQ(hasShort, !TrackShortLabel(std::to_string(code)).empty()) << code;
    }
}

}  // namespace
}  // namespace kagiroi
