#include "racing/KeibaFunc.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <string>

namespace kagiroi {
namespace {

const char* const kRaceTypeCodes[] = {"11", "12", "13", "14", "18", "19", "21", "22", "23", "24"};

TEST(RaceTypeLabel, EightFullWidthCharactersForEveryCode) {
    EXPECT_TEXT_EQ("サラ系２歳　　　", RaceTypeLabel("11"));
    EXPECT_TEXT_EQ("サラ系３歳以上　", RaceTypeLabel("13"));
    EXPECT_TEXT_EQ("サラ障害４歳以上", RaceTypeLabel("19"));
    EXPECT_TEXT_EQ("アラブ系２歳　　", RaceTypeLabel("21"));
    EXPECT_TEXT_EQ("アラブ系４歳以上", RaceTypeLabel("24"));
    // Full-width digit and spaces, byte for byte.
    EXPECT_TEXT_EQ("\x83\x54\x83\x89\x8C\x6E\x82\x51\x8D\xCE\x81\x40\x81\x40\x81\x40",
                   RaceTypeLabel("11"));
    for (const char* code : kRaceTypeCodes)
        EXPECT_EQ(16u, RaceTypeLabel(code).size()) << code;
}

TEST(RaceTypeLabel, CodesMatchAsWholeTexts) {
    const std::string blank = "　　　　　　　　";
    EXPECT_TEXT_EQ(blank, RaceTypeLabel("15"));
    EXPECT_TEXT_EQ(blank, RaceTypeLabel("00"));
    EXPECT_TEXT_EQ(blank, RaceTypeLabel(""));
    EXPECT_TEXT_EQ(blank, RaceTypeLabel("011"));
    EXPECT_TEXT_EQ(blank, RaceTypeLabel(" 11"));
}

TEST(GradeLabel, FiveBytesEach) {
    EXPECT_TEXT_EQ("G1   ", GradeLabel("A"));
    EXPECT_TEXT_EQ("G3   ", GradeLabel("C"));
    EXPECT_TEXT_EQ("重賞 ", GradeLabel("D"));
    EXPECT_TEXT_EQ("特別 ", GradeLabel("E"));
    EXPECT_TEXT_EQ("JG1  ", GradeLabel("F"));
    EXPECT_TEXT_EQ("JG3  ", GradeLabel("H"));
    EXPECT_TEXT_EQ("List ", GradeLabel("L"));
    EXPECT_TEXT_EQ("\x81\x40\x81\x40 ", GradeLabel(" "));
    EXPECT_TEXT_EQ("　　 ", GradeLabel("I"));
    EXPECT_TEXT_EQ("　　 ", GradeLabel("a"));
    for (const char* code : {"A", "B", "C", "D", "E", "F", "G", "H", "L", "K", ""})
        EXPECT_EQ(5u, GradeLabel(code).size()) << code;
}

TEST(ShortCodeTables, WeightTypeWeatherAndSex) {
    EXPECT_TEXT_EQ("\xCA\xDD\xC3\xDE", WeightTypeLabel("1"));  // half-width ﾊﾝﾃﾞ
    EXPECT_TEXT_EQ("別定", WeightTypeLabel("2"));
    EXPECT_TEXT_EQ("定量", WeightTypeLabel("4"));
    EXPECT_TEXT_EQ("", WeightTypeLabel("5"));
    EXPECT_TEXT_EQ("", WeightTypeLabel("01"));  // whole-text match
    EXPECT_TEXT_EQ("晴", WeatherLabel("1"));
    EXPECT_TEXT_EQ("小雨", WeatherLabel("4"));
    EXPECT_TEXT_EQ("小雪", WeatherLabel("6"));
    EXPECT_TEXT_EQ("", WeatherLabel("0"));
    EXPECT_TEXT_EQ("", WeatherLabel(" "));
    EXPECT_TEXT_EQ("牡", SexLabel("1"));
    EXPECT_TEXT_EQ("牝", SexLabel("2"));
    EXPECT_TEXT_EQ("\xBE\xDD", SexLabel("3"));  // half-width ｾﾝ
    EXPECT_TEXT_EQ("", SexLabel("4"));
}

TEST(ShortCodeTables, WeekdayMatchesByValue) {
    EXPECT_TEXT_EQ("　", WeekdayLabel("0"));
    EXPECT_TEXT_EQ("土", WeekdayLabel("1"));
    EXPECT_TEXT_EQ("日", WeekdayLabel("2"));
    EXPECT_TEXT_EQ("祝", WeekdayLabel("3"));
    EXPECT_TEXT_EQ("金", WeekdayLabel("8"));
    EXPECT_TEXT_EQ("日", WeekdayLabel("02"));
    // A blank or unreadable code counts as 0.
    EXPECT_TEXT_EQ("　", WeekdayLabel(" "));
    EXPECT_TEXT_EQ("　", WeekdayLabel("x"));
    EXPECT_TEXT_EQ("", WeekdayLabel("9"));
}

TEST(ShortCodeTables, GoingBySurface) {
    EXPECT_TEXT_EQ("芝:良", GoingLabel("1", 1));
    EXPECT_TEXT_EQ("芝:稍重", GoingLabel("2", 1));
    EXPECT_TEXT_EQ("芝:不良", GoingLabel("4", 1));
    EXPECT_TEXT_EQ("ダ:良", GoingLabel("1", 2));
    EXPECT_TEXT_EQ("ダ:重", GoingLabel("3", 2));
    EXPECT_TEXT_EQ("", GoingLabel("0", 1));
    EXPECT_TEXT_EQ("", GoingLabel("5", 2));
    EXPECT_TEXT_EQ("", GoingLabel("1", 0));
    EXPECT_TEXT_EQ("", GoingLabel("1", 3));
}

TEST(TrackLabels, LongAndShortFormsByValue) {
    EXPECT_TEXT_EQ("芝 直線", TrackLabel("10"));
    EXPECT_TEXT_EQ("芝直", TrackShortLabel("10"));
    EXPECT_TEXT_EQ("芝 左回り 内→外回り", TrackLabel("13"));
    EXPECT_TEXT_EQ("芝左", TrackShortLabel("16"));
    EXPECT_TEXT_EQ("芝 右回り 外２周", TrackLabel("22"));
    EXPECT_TEXT_EQ("芝右", TrackShortLabel("22"));
    EXPECT_TEXT_EQ("ﾀﾞｰﾄ 右回り", TrackLabel("24"));
    EXPECT_TEXT_EQ("ダ右", TrackShortLabel("24"));
    EXPECT_TEXT_EQ("ﾀﾞｰﾄ 左回り 内回り", TrackLabel("25"));
    EXPECT_TEXT_EQ("", TrackShortLabel("25"));
    EXPECT_TEXT_EQ("ｻﾝﾄﾞ 右回り", TrackLabel("28"));
    EXPECT_TEXT_EQ("", TrackShortLabel("28"));
    EXPECT_TEXT_EQ("ﾀﾞｰﾄ 直線", TrackLabel("29"));
    EXPECT_TEXT_EQ("ダ直", TrackShortLabel("29"));
    EXPECT_TEXT_EQ("障害 芝　襷", TrackLabel("51"));
    EXPECT_TEXT_EQ("障害 芝→ﾀﾞｰﾄ", TrackLabel("52"));
    EXPECT_TEXT_EQ("障害 外２周", TrackLabel("59"));
    EXPECT_TEXT_EQ("障害", TrackShortLabel("59"));
    // Half-width ﾀﾞｰﾄ, ASCII blank, full-width 左回り.
    EXPECT_TEXT_EQ("\xC0\xDE\xB0\xC4 \x8D\xB6\x89\xF1\x82\xE8", TrackLabel("23"));
}

TEST(TrackLabels, EveryTrackCodeHasALongFormAndOthersNone) {
    for (int code = 0; code <= 99; ++code) {
        std::string text = std::to_string(code);
        bool listed = (code >= 10 && code <= 29) || (code >= 51 && code <= 59);
        EXPECT_EQ(listed, !TrackLabel(text).empty()) << code;
        bool hasShort = listed && !(code >= 25 && code <= 28);
        EXPECT_EQ(hasShort, !TrackShortLabel(text).empty()) << code;
    }
    EXPECT_TEXT_EQ("芝 左回り", TrackLabel("011"));
    EXPECT_TEXT_EQ("", TrackLabel("  "));
    EXPECT_TEXT_EQ("", TrackLabel("ab"));
}

}  // namespace
}  // namespace kagiroi
