#include "app/MainFormFixture.h"
#include "support/DayBuilder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

TEST(Guidance, WithoutADayTheRaceAreaSaysHowToBeginAndTheFetchesSaySo) {
    test::MainFormFixture f;
    TMainForm& form = f.Started();
    std::string guidance = form.GuidanceText();
    for (const char* step : {"［JVデータ取得］", "［データ取込］"})
        EXPECT_NE(std::string::npos, guidance.find(step))
            << ::testing::PrintToString(test::SjisText(guidance));

    const std::function<void()> buttons[] = {
        [&] { form.Fetches().SokuhoOddsBtnClick(); }, [&] { form.Fetches().ResultsBtnClick(); },
        [&] { form.Fetches().MiningBtnClick(); }, [&] { EXPECT_FALSE(form.NextRaceClick()); }};
    for (const auto& press : buttons) {
        f.ui.Clear();
        press();
        ASSERT_EQ(1u, f.ui.Messages().size());
        EXPECT_TEXT_EQ("ﾃﾞｰﾀを読み込んでください。", f.ui.Messages()[0]);
        EXPECT_EQ(1, f.ui.BeepCount());
    }
    EXPECT_TRUE(f.jvLink.calls.empty());
}

TEST(Guidance, ADownloadThatStoredNewDaysShowsTheNewestDay) {
    test::MainFormFixture f;
    TMainForm& form = f.Started();
    test::WriteRaces(f.folder.Path(), test::MakeDay("20231230", {"06"}));
    test::WriteRaces(f.folder.Path(), test::MakeDay("20240106", {"06"}));
    form.AfterDownload();
    EXPECT_TEXT_EQ("2024年01月06日", form.DayList().DateText);
    EXPECT_FALSE(form.DayList().RaceList.empty());
    EXPECT_TRUE(form.GuidanceText().empty());

    // Nothing new: no day is loaded by itself.
    form.AfterDownload();
    EXPECT_TRUE(form.DayList().RaceList.empty());
}

}  // namespace
}  // namespace kagiroi
