#include "racing/KeibaFunc.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <string>

namespace kagiroi {
namespace {

const std::string kBlankSymbol = "　　　　　　　　　　　　";

const char* const kRecognised[] = {
    "001", "002", "003", "004", "020", "021", "023", "024", "030", "031", "033", "034",
    "040", "041", "043", "044", "A00", "A01", "A02", "A03", "A04", "A10", "A11", "A13",
    "A14", "A20", "A21", "A23", "A24", "A30", "A31", "A33", "A34", "A40", "A41", "B00",
    "B01", "B03", "B04", "C00", "C01", "C03", "C04", "D00", "D01", "D03", "E00", "E01",
    "E03", "F00", "F01", "F03", "F04", "G00", "G01", "G03", "H00", "H01", "I00", "I01",
    "I03", "J00", "J01", "K00", "K01", "K03", "L00", "L01", "L03", "M00", "M01", "M03",
    "M04", "N00", "N01", "N03", "N04", "N20", "N21", "N30", "N31", "N40", "N41", "N44",
};

TEST(RaceSymbolLabel, ComposedFromPrefixSexAndDesignation) {
    EXPECT_TEXT_EQ("(混合)牡・ｾﾝ(指定)　　　", RaceSymbolLabel("A31"));
    EXPECT_TEXT_EQ("(市)(抽)関西配布馬(指定)", RaceSymbolLabel("K01"));
    EXPECT_TEXT_EQ("(国際)牡・牝(特指)　　　", RaceSymbolLabel("N44"));
    EXPECT_TEXT_EQ("(指定)　　　　　　　　　", RaceSymbolLabel("001"));
    EXPECT_TEXT_EQ("牝(特指)　　　　　　　　", RaceSymbolLabel("024"));
    EXPECT_TEXT_EQ("(抽)関東配布馬(指定)　　", RaceSymbolLabel("H01"));
    EXPECT_TEXT_EQ("(市)(抽)関東配布馬[指定]", RaceSymbolLabel("L03"));
    EXPECT_TEXT_EQ("(国際)牝　　　　　　　　", RaceSymbolLabel("N20"));
    // Half-width ｾﾝ after the full-width dot.
    EXPECT_TEXT_EQ(std::string("(\x8D\xAC\x8D\x87)\x89\xB2\x81\x45\xBE\xDD(") +
                       "\x8E\x77\x92\xE8)" + "\x81\x40\x81\x40\x81\x40",
                   RaceSymbolLabel("A31"));
}

TEST(RaceSymbolLabel, YoungJockeyTextDependsOnThePrefix) {
    EXPECT_TEXT_EQ("若手騎手　　　　　　　　", RaceSymbolLabel("002"));
    EXPECT_TEXT_EQ("(混合)・若手騎手　　　　", RaceSymbolLabel("A02"));
}

TEST(RaceSymbolLabel, EveryRecognisedCodeIsExactly24Bytes) {
    for (const char* code : kRecognised) {
        std::string label = RaceSymbolLabel(code);
        EXPECT_EQ(24u, label.size()) << code;
        EXPECT_NE(kBlankSymbol, label) << code;
    }
}

TEST(RaceSymbolLabel, UnlistedCodesGiveTwelveFullWidthSpaces) {
    for (const char* code :
         {"000", "N02", "A12", "B02", "012", "Z00", "a31", "A3", "A311", "", "   ", "0", "N4 "})
        EXPECT_TEXT_EQ(kBlankSymbol, RaceSymbolLabel(code)) << code;
    EXPECT_EQ(24u, kBlankSymbol.size());
}

TEST(RaceSymbolLabel, OnlyTheListedCodesOfAllThreeCharacterCodesAreRecognised) {
    const std::string prefixes = "0ABCDEFGHIJKLMNOPZ";
    int recognised = 0;
    for (char prefix : prefixes)
        for (char sex = '0'; sex <= '9'; ++sex)
            for (char designation = '0'; designation <= '9'; ++designation) {
                std::string code{prefix, sex, designation};
                if (RaceSymbolLabel(code) != kBlankSymbol) ++recognised;
            }
    EXPECT_EQ(static_cast<int>(std::size(kRecognised)), recognised);
}

}  // namespace
}  // namespace kagiroi
