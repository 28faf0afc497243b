#include "selection/RacePatternSettings.h"

#include "platform/FileSystem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

TEST(RacePatternSettings, WithoutEntriesTheDialogShowsTheDefaults) {
    test::TempFolder folder;
    SettingsFile settings(folder / "kagiroi.ini");
    RacePatternForm form;
    form.FormCreate(settings);
    const double defaults[] = {2.0, 7.0, 4.0, 10.0, 8.0, 12.0};
    for (int i = 0; i < kRacePatternFieldCount; ++i)
        EXPECT_DOUBLE_EQ(defaults[i], form.Value(i)) << i;
    EXPECT_EQ("10.0", form.Text(3));
}

TEST(RacePatternSettings, SaveWritesSevenCharactersWithOneDecimal) {
    test::TempFolder folder;
    SettingsFile settings(folder / "kagiroi.ini");
    RacePatternForm form;
    form.FormCreate(settings);
    form.SetValue(3, 10);
    form.SetValue(0, 2.25);
    ASSERT_TRUE(form.BitBtn1Click(settings));
    // The file holds the values right-aligned; a read gives them back trimmed.
    std::string text = ReadWholeFile(settings.Path()).value_or("");
    EXPECT_NE(std::string::npos, text.find("3nin=   10.0")) << text;
    EXPECT_NE(std::string::npos, text.find("1nin=    2.2")) << text;  // "%7.1f" of 2.25
    EXPECT_NE(std::string::npos, text.find("4nin=   12.0")) << text;
    EXPECT_EQ("10.0", settings.ReadString("Race2Strong", "3nin", ""));
    RacePatternForm again;
    again.FormCreate(settings);
    EXPECT_DOUBLE_EQ(10.0, again.Value(3));
}

TEST(RacePatternSettings, TextThatIsNotANumberReadsAsZero) {
    test::TempFolder folder;
    SettingsFile settings(folder / "kagiroi.ini");
    settings.WriteString("Race3Strong", "3nin", "abc");
    settings.WriteString("Race2Strong", "2nin", "-4.0");  // the edits hold no sign
    RacePatternForm form;
    form.FormCreate(settings);
    EXPECT_DOUBLE_EQ(0.0, form.Value(4));
    EXPECT_DOUBLE_EQ(0.0, form.Value(2));
    EXPECT_DOUBLE_EQ(12.0, form.Value(5));
}

TEST(RacePatternSettings, ClosingWithoutSavingWritesNothing) {
    test::TempFolder folder;
    SettingsFile settings(folder / "kagiroi.ini");
    RacePatternForm form;
    form.FormCreate(settings);
    form.SetValue(1, 9.5);
    EXPECT_FALSE(FileExists(settings.Path()));
}

}  // namespace
}  // namespace kagiroi
