#include "racing/KeibaFunc.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

TEST(ConditionLabel, SingleAgeGroupRaces) {
    EXPECT_TEXT_EQ("2歳新馬", ConditionLabel("11", "701", "000", "000", "000"));
    EXPECT_TEXT_EQ("3歳未勝利", ConditionLabel("12", "000", "703", "000", "000"));
    EXPECT_TEXT_EQ("3歳1勝ｸﾗｽ", ConditionLabel("12", "000", "005", "000", "000"));
    EXPECT_TEXT_EQ("2歳オープン", ConditionLabel("11", "999", "000", "000", "000"));
    // Arab races have no age text of their own.
    EXPECT_TEXT_EQ("未出走", ConditionLabel("21", "702", "000", "000", "000"));
    EXPECT_TEXT_EQ("1億下", ConditionLabel("22", "000", "100", "000", "000"));
    // Half-width ASCII digit and katakana.
    EXPECT_EQ(
        "3\x8D\xCE"
        "1\x8F\x9F\xB8\xD7\xBD",
        ConditionLabel("12", "000", "005", "000", "000"));
}

TEST(ConditionLabel, MixedAgeRacesListEveryGroupOfAMoneyClass) {
    EXPECT_TEXT_EQ("3歳上1勝ｸﾗｽ  3歳上1勝ｸﾗｽ  3歳上1勝ｸﾗｽ",
                   ConditionLabel("13", "000", "005", "005", "005"));
    EXPECT_TEXT_EQ("3歳上2勝ｸﾗｽ  3歳上2勝ｸﾗｽ  3歳上3勝ｸﾗｽ",
                   ConditionLabel("18", "000", "010", "010", "016"));
    EXPECT_TEXT_EQ("4歳上3勝ｸﾗｽ  4歳上3勝ｸﾗｽ", ConditionLabel("14", "000", "000", "016", "016"));
    EXPECT_TEXT_EQ("4歳上1億下  4歳上1億下", ConditionLabel("19", "000", "000", "100", "100"));
    // An age group without a class still carries the age text.
    EXPECT_TEXT_EQ("3歳上1勝ｸﾗｽ  3歳上  3歳上", ConditionLabel("13", "000", "005", "000", "000"));
    EXPECT_TEXT_EQ("1勝ｸﾗｽ  2勝ｸﾗｽ  ", ConditionLabel("23", "000", "005", "010", "000"));
}

TEST(ConditionLabel, OtherClassesOfMixedAgeRacesShowOneGroup) {
    EXPECT_TEXT_EQ("3歳上オープン", ConditionLabel("13", "000", "999", "999", "999"));
    EXPECT_TEXT_EQ("3歳上未勝利", ConditionLabel("18", "000", "703", "703", "703"));
    EXPECT_TEXT_EQ("3歳上", ConditionLabel("13", "000", "000", "005", "005"));
    EXPECT_TEXT_EQ("4歳上オープン", ConditionLabel("14", "000", "000", "999", "999"));
    EXPECT_TEXT_EQ("4歳上", ConditionLabel("14", "000", "000", "101", "005"));
    EXPECT_TEXT_EQ("", ConditionLabel("24", "000", "000", "101", "005"));
}

TEST(ConditionLabel, TypesAndCodesMatchByValue) {
    EXPECT_TEXT_EQ("3歳未勝利", ConditionLabel("012", "000", "703", "000", "000"));
    EXPECT_TEXT_EQ("2歳1勝ｸﾗｽ", ConditionLabel("11", "5", "000", "000", "000"));
    EXPECT_TEXT_EQ("2歳", ConditionLabel("11", "   ", "000", "000", "000"));
    EXPECT_TEXT_EQ("2歳", ConditionLabel("11", "704", "000", "000", "000"));
    EXPECT_TEXT_EQ("", ConditionLabel("15", "005", "005", "005", "005"));
    EXPECT_TEXT_EQ("", ConditionLabel("  ", "005", "005", "005", "005"));
}

TEST(ClassLabel, AgeAndClassOfOneCode) {
    EXPECT_TEXT_EQ("2歳新馬", ClassLabel("11", "701"));
    EXPECT_TEXT_EQ("3歳上1勝ｸﾗｽ", ClassLabel("13", "005"));
    EXPECT_TEXT_EQ("4歳上3勝ｸﾗｽ", ClassLabel("14", "016"));
    EXPECT_TEXT_EQ("障3歳上未勝利", ClassLabel("18", "703"));
    EXPECT_TEXT_EQ("障4歳上ｵｰﾌﾟﾝ", ClassLabel("19", "999"));
    EXPECT_TEXT_EQ("3歳10000", ClassLabel("12", "100"));
    EXPECT_TEXT_EQ("未出走", ClassLabel("21", "702"));
    EXPECT_TEXT_EQ("3歳", ClassLabel("12", "000"));
    EXPECT_TEXT_EQ("", ClassLabel("", ""));
    // Half-width ｵｰﾌﾟﾝ here, unlike the race header's full-width オープン.
    EXPECT_TEXT_EQ("\xB5\xB0\xCC\xDF\xDD", ClassLabel("99", "999"));
}

}  // namespace
}  // namespace kagiroi
