#include "platform/TextField.h"
#include "racing/CodeLookup.h"
#include "racing/KeibaFunc.h"

namespace kagiroi {

namespace {

// --- The race header's class text ---

constexpr ValueLabel kHeaderAges[] = {
    {11, "2歳"}, {12, "3歳"}, {13, "3歳上"}, {18, "3歳上"}, {14, "4歳上"}, {19, "4歳上"},
};

constexpr ValueLabel kHeaderClasses[] = {
    {5, "1勝ｸﾗｽ"}, {10, "2勝ｸﾗｽ"},  {16, "3勝ｸﾗｽ"},  {100, "1億下"},
    {701, "新馬"}, {702, "未出走"}, {703, "未勝利"}, {999, "オープン"},
};

constexpr std::string_view kGroupSeparator = "  ";

// Condition codes up to 100 are the money classes, which the older age groups of a mixed-age
// race carry separately; the other classes (maiden, open...) apply to the race as a whole.
bool IsMoneyClass(std::string_view condition) {
    int value = ToInt(condition);
    return value >= 1 && value <= 100;
}

// --- The statistics export's class text ---

constexpr ValueLabel kExportAges[] = {
    {11, "2歳"}, {12, "3歳"}, {13, "3歳上"}, {14, "4歳上"}, {18, "障3歳上"}, {19, "障4歳上"},
};

constexpr ValueLabel kExportClasses[] = {
    {5, "1勝ｸﾗｽ"}, {10, "2勝ｸﾗｽ"},  {16, "3勝ｸﾗｽ"},  {100, "10000"},
    {701, "新馬"}, {702, "未出走"}, {703, "未勝利"}, {999, "ｵｰﾌﾟﾝ"},
};

}  // namespace

std::string ConditionLabel(std::string_view type, std::string_view age2, std::string_view age3,
                           std::string_view age4, std::string_view age5) {
    int typeValue = ToInt(type);
    std::string_view ageText = LookUpValue(kHeaderAges, typeValue);
    auto group = [ageText](std::string_view condition) {
        return std::string(ageText) + std::string(LookUpValue(kHeaderClasses, condition));
    };
    switch (typeValue) {
        case 11:
        case 21:
            return group(age2);
        case 12:
        case 22:
            return group(age3);
        case 13:
        case 18:
        case 23:
            if (!IsMoneyClass(age3)) return group(age3);
            return group(age3) + std::string(kGroupSeparator) + group(age4) +
                   std::string(kGroupSeparator) + group(age5);
        case 14:
        case 19:
        case 24:
            if (!IsMoneyClass(age4)) return group(age4);
            return group(age4) + std::string(kGroupSeparator) + group(age5);
        default:
            return {};
    }
}

std::string ClassLabel(std::string_view type, std::string_view condition) {
    return std::string(LookUpValue(kExportAges, type)) +
           std::string(LookUpValue(kExportClasses, condition));
}

}  // namespace kagiroi
