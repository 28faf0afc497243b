#include "racing/KeibaFunc.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <string>

namespace kagiroi {
namespace {

TEST(RacecourseName, TheJraCoursesAtBothEndsAndBetween) {
    EXPECT_TEXT_EQ("札幌", RacecourseName("01"));
    EXPECT_TEXT_EQ("中山", RacecourseName("06"));
    EXPECT_TEXT_EQ("小倉", RacecourseName("10"));
    EXPECT_TEXT_EQ("\x93\x8C\x8B\x9E", RacecourseName("05"));  // 東京, byte for byte
}

TEST(RacecourseName, LocalAndOverseasRows) {
    EXPECT_TEXT_EQ("門別", RacecourseName("30"));
    EXPECT_TEXT_EQ("大井", RacecourseName("44"));
    EXPECT_TEXT_EQ("札幌", RacecourseName("58"));
    EXPECT_TEXT_EQ("中京", RacecourseName("61"));
    EXPECT_TEXT_EQ("他外", RacecourseName("A0"));
    EXPECT_TEXT_EQ("ア首", RacecourseName("C7"));
    EXPECT_TEXT_EQ("チェ", RacecourseName("I4"));
    EXPECT_TEXT_EQ("チェ", RacecourseName("I6"));
    EXPECT_TEXT_EQ("澳門", RacecourseName("M2"));
    EXPECT_TEXT_EQ("墺国", RacecourseName("M4"));
}

TEST(RacecourseName, PlaceholderRowsAreFourBytes) {
    for (const char* code : {"C4", "F4", "F6", "G4", "G6", "G8"})
        EXPECT_TEXT_EQ("    ", RacecourseName(code)) << code;
    EXPECT_TEXT_EQ("約  ", RacecourseName("M6"));
    EXPECT_TEXT_EQ("華  ", RacecourseName("M8"));
}

TEST(RacecourseName, ExactlyTheHundredAndTenCodesHaveAFourByteName) {
    const std::string symbols = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    int named = 0;
    for (char first : symbols)
        for (char second : symbols) {
            std::string name = RacecourseName(std::string{first, second});
            if (name.empty()) continue;
            EXPECT_EQ(4u, name.size()) << first << second;
            ++named;
        }
    EXPECT_EQ(110, named);
}

TEST(RacecourseName, CodesMatchAsWholeTexts) {
    for (const char* code : {"00", "11", "29", "62", "A1", "M5", "N0", "5", "005", " 5", "05 ", ""})
        EXPECT_TEXT_EQ("", RacecourseName(code)) << '[' << code << ']';
}

}  // namespace
}  // namespace kagiroi
