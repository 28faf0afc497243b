#include "racing/KeibaFunc.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <string>

namespace kagiroi {
namespace {

const std::string kBlankSymbol = "　　　　　　　　　　　　";

TEST(RaceSymbolLabel, ComposedFromPrefixSexAndDesignation) {
    const struct {
        const char* code;
        const char* label;
    } cases[] = {
        {"A31", "(混合)牡・ｾﾝ(指定)　　　"}, {"K01", "(市)(抽)関西配布馬(指定)"},
        {"N44", "(国際)牡・牝(特指)　　　"}, {"001", "(指定)　　　　　　　　　"},
        {"024", "牝(特指)　　　　　　　　"}, {"L03", "(市)(抽)関東配布馬[指定]"},
        {"002", "若手騎手　　　　　　　　"}, {"A02", "(混合)・若手騎手　　　　"},
    };
    for (const auto& c : cases)
        EXPECT_TEXT_EQ(c.label, RaceSymbolLabel(c.code)) << c.code;
    // Half-width ｾﾝ after the full-width dot.
    EXPECT_TEXT_EQ(std::string("(\x8D\xAC\x8D\x87)\x89\xB2\x81\x45\xBE\xDD(") +
                       "\x8E\x77\x92\xE8)" + "\x81\x40\x81\x40\x81\x40",
                   RaceSymbolLabel("A31"));
}

TEST(RaceSymbolLabel, UnlistedCodesGiveTwelveFullWidthSpaces) {
    // Codes one digit away from listed ones, and malformed codes.
    for (const char* code : {"000", "N02", "A12", "B02", "D04", "H03", "J03", "012", "Z00", "a31",
                             "A3", "A311", "", "   ", "0", "N4 "})
        EXPECT_TEXT_EQ(kBlankSymbol, RaceSymbolLabel(code)) << code;
    EXPECT_EQ(24u, kBlankSymbol.size());
}

TEST(RaceSymbolLabel, EightyFourCodesOfAllThreeCharacterCodesAreRecognisedAt24Bytes) {
    int recognised = 0;
    for (char prefix : std::string("0ABCDEFGHIJKLMNOPZ"))
        for (char sex = '0'; sex <= '9'; ++sex)
            for (char designation = '0'; designation <= '9'; ++designation) {
                std::string code{prefix, sex, designation};
                std::string label = RaceSymbolLabel(code);
                EXPECT_EQ(24u, label.size()) << code;
                if (label != kBlankSymbol) ++recognised;
            }
    EXPECT_EQ(84, recognised);
}

}  // namespace
}  // namespace kagiroi
