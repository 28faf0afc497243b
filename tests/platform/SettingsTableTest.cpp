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
