#include "platform/SettingsTable.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

// The integer keys as the settings file holds them, written out here independently of the
// table: what a missing key, a value below and a value above the range read as.
struct Expected {
    const IntSetting& setting;
    const char* section;
    const char* key;
    int fallback, minimum, maximum;
};

const Expected kExpected[] = {
    {setting::kOddsMinutesBefore, "Time", "AutoOzGet", 10, 3, 59},
    {setting::kResultsInterval, "Time", "AutoRdataGet", 10, 5, 59},
    {setting::kHorseWeightMinutes, "Time", "AutoBataijuGet", 37, 2, 59},
    {setting::kChangeInterval, "Henko", "GetInterval", 5, 0, 1440},
    {setting::kAllocationMode, "KaimeSet", "HaibunSet", 1, 0, 2},
    {setting::kKellyPercent, "KaimeSet", "KellyPercent", 25, 1, 100},
    {setting::kDefaultAmount, "KaimeSet", "DefaultAmount", 3000, 0, 999999},
    {setting::kIncreasePercent, "KaimeSet", "DefaultZogaku", 100, 0, 999999},
    {setting::kTargetProfit, "KaimeSet", "DefaultTarProfit", 10000, 0, 999999},
    {setting::kTrioFavourite, "Nin100", "SRF", 100, 1, 816},
    {setting::kTrifectaFavourite, "Nin100", "SRT", 100, 1, 4896},
    {setting::kWindowTop, "locate", "top", 10, -32768, 32767},
    {setting::kWindowWidth, "locate", "width", 1280, 0, 32767},
    {setting::kWindowMaximized, "locate", "maximized", 0, 0, 1},
    {setting::kLossLeft, "Losslocate", "left", 600, -32768, 32767},
    {setting::kPrintHeight, "Printlocate", "height", 450, 0, 32767},
};

TEST(SettingsTable, EveryIntegerKeyReadsItsDefaultAndIsHeldToItsRange) {
    test::TempFolder folder;
    SettingsFile settings(folder / "kagiroi.ini");
    for (const Expected& e : kExpected) {
        SCOPED_TRACE(std::string(e.section) + "/" + e.key);
        EXPECT_EQ(e.fallback, ReadIntSetting(settings, e.setting));
        ASSERT_TRUE(settings.WriteString(e.section, e.key, "-2147483648"));
        EXPECT_EQ(e.minimum, ReadIntSetting(settings, e.setting));
        ASSERT_TRUE(settings.WriteString(e.section, e.key, "2147483647"));
        EXPECT_EQ(e.maximum, ReadIntSetting(settings, e.setting));
        ASSERT_TRUE(settings.WriteString(e.section, e.key, "x"));
        EXPECT_EQ(e.fallback, ReadIntSetting(settings, e.setting));
        // A write keeps to the range too, so the next read sees what was written.
        ASSERT_TRUE(WriteIntSetting(settings, e.setting, e.maximum + 1));
        EXPECT_EQ(e.maximum, settings.ReadInteger(e.section, e.key, 0));
    }
}

}  // namespace
}  // namespace kagiroi

namespace kagiroi {
namespace {

// The model's powers as stored texts: missing or not a decimal gives 1.0, others are held to
// 0.3..2.0, and a write stores the held value.
TEST(SettingsTable, TheModelsDecimalsReadTheirDefaultAndAreHeldToTheirRange) {
    test::TempFolder folder;
    SettingsFile settings(folder / "kagiroi.ini");
    const std::pair<const char*, double> cases[] = {
        {"", 1.0},    {"abc", 1.0}, {"1.2.3", 1.0}, {"1.25", 1.25}, {" 0.8 ", 0.8},
        {"0.1", 0.3}, {"-1", 0.3},  {"5", 2.0},     {"2.01", 2.0},
    };
    for (const DecimalSetting* s :
         {&setting::kModelAlpha, &setting::kModelLambda, &setting::kModelTau}) {
        EXPECT_EQ(std::string("Model"), s->section);
        for (const auto& [stored, read] : cases) {
            ASSERT_TRUE(settings.WriteString(s->section, s->key, stored));
            EXPECT_DOUBLE_EQ(read, ReadDecimalSetting(settings, *s)) << s->key << " " << stored;
        }
        ASSERT_TRUE(WriteDecimalSetting(settings, *s, 7.5));
        EXPECT_EQ("2.00", settings.ReadString(s->section, s->key, ""));
    }
    EXPECT_EQ(std::string("Alpha"), setting::kModelAlpha.key);
    EXPECT_EQ(std::string("Lambda"), setting::kModelLambda.key);
    EXPECT_EQ(std::string("Tau"), setting::kModelTau.key);
}

}  // namespace
}  // namespace kagiroi
