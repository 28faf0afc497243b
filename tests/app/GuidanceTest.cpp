#include "app/MainFormFixture.h"
#include "daystore/RaceDay.h"
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

// Today, not the newest day (a race day's download stores tomorrow too); a download dialog that
// stored nothing new (the data source changed in it, say) keeps the loaded day and its race.
TEST(Guidance, ADownloadShowsTodayAndOneThatStoredNothingNewKeepsTheLoadedDay) {
    test::MainFormFixture f;
    TMainForm& form = f.Started();
    for (const char* day : {"20231230", "20240106", "20240107"})
        test::WriteRaces(f.folder.Path(), test::MakeDay(day, {"06"}));
    form.AfterDownload();
    EXPECT_TEXT_EQ("2024年01月06日", form.DayList().DateText);
    EXPECT_FALSE(form.DayList().RaceList.empty());
    EXPECT_TRUE(form.GuidanceText().empty());

    form.DateListChange(2);
    form.Race().DatListClick(4);
    form.AfterDownload();
    EXPECT_TEXT_EQ("2023年12月30日", form.DayList().DateText);
    EXPECT_EQ(4, form.DayList().SelectedRace);
}

TEST(DayToShow, TodayElseTheNewestPastDayElseTheNearestAhead) {
    const std::vector<std::string> days{"2024年01月07日", "2024年01月06日", "2023年12月30日"};
    const std::pair<const char*, int> cases[] = {
        {"20240106", 1}, {"20240105", 2}, {"20240110", 0}, {"20231201", 2}};
    for (const auto& [today, expected] : cases)
        EXPECT_EQ(expected, DayToShow(days, today)) << today;
    EXPECT_EQ(-1, DayToShow({}, "20240106"));
}

}  // namespace
}  // namespace kagiroi
