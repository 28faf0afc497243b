#include "racing/CodeLookup.h"
#include "racing/KeibaFunc.h"

#include <algorithm>

namespace kagiroi {

namespace {

constexpr size_t kSymbolWidth = 24;
constexpr std::string_view kFullWidthSpace = "　";

// Only these codes are in use; any other code, however well formed, gets the blank label.
constexpr std::string_view kRecognisedSymbols[] = {
    "001", "002", "003", "004", "020", "021", "023", "024", "030", "031", "033", "034",
    "040", "041", "043", "044", "A00", "A01", "A02", "A03", "A04", "A10", "A11", "A13",
    "A14", "A20", "A21", "A23", "A24", "A30", "A31", "A33", "A34", "A40", "A41", "B00",
    "B01", "B03", "B04", "C00", "C01", "C03", "C04", "D00", "D01", "D03", "E00", "E01",
    "E03", "F00", "F01", "F03", "F04", "G00", "G01", "G03", "H00", "H01", "I00", "I01",
    "I03", "J00", "J01", "K00", "K01", "K03", "L00", "L01", "L03", "M00", "M01", "M03",
    "M04", "N00", "N01", "N03", "N04", "N20", "N21", "N30", "N31", "N40", "N41", "N44",
};

constexpr CodeLabel kPrefixes[] = {
    {"0", ""},
    {"A", "(混合)"},
    {"B", "(父)"},
    {"C", "(市)"},
    {"D", "(抽)"},
    {"E", "[抽]"},
    {"F", "(市)(抽)"},
    {"G", "(抽)関西配布馬"},
    {"H", "(抽)関東配布馬"},
    {"I", "[抽]関西配布馬"},
    {"J", "[抽]関東配布馬"},
    {"K", "(市)(抽)関西配布馬"},
    {"L", "(市)(抽)関東配布馬"},
    {"M", "九州産馬"},
    {"N", "(国際)"},
};

constexpr CodeLabel kSexConditions[] = {
    {"0", ""}, {"1", "牡"}, {"2", "牝"}, {"3", "牡・ｾﾝ"}, {"4", "牡・牝"},
};

constexpr CodeLabel kDesignations[] = {
    {"0", ""},
    {"1", "(指定)"},
    {"3", "[指定]"},
    {"4", "(特指)"},
};

// The young-jockey race reads on from "(混合)" with a separating dot.
std::string_view YoungJockeyText(std::string_view prefix) {
    return prefix.empty() ? "若手騎手" : "・若手騎手";
}

bool IsRecognised(std::string_view code) {
    return std::ranges::find(kRecognisedSymbols, code) != std::end(kRecognisedSymbols);
}

}  // namespace

std::string RaceSymbolLabel(std::string_view code) {
    std::string label;
    if (IsRecognised(code)) {
        std::string_view prefix = LookUpCode(kPrefixes, code.substr(0, 1));
        label += prefix;
        label += LookUpCode(kSexConditions, code.substr(1, 1));
        label +=
            code[2] == '2' ? YoungJockeyText(prefix) : LookUpCode(kDesignations, code.substr(2, 1));
    }
    while (label.size() < kSymbolWidth)
        label += kFullWidthSpace;
    return label;
}

}  // namespace kagiroi
