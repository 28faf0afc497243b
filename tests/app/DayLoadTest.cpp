#include "app/MainFormFixture.h"
#include "daystore/DayFiles.h"
#include "daystore/DayStore.h"
#include "daystore/RaceDay.h"
#include "platform/FileSystem.h"
#include "platform/TextField.h"
#include "support/DayBuilder.h"
#include "support/RecordBuilder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

using test::MakeDay;
using test::WriteRaces;

TEST(DateList, NewestFirstAndOnlyRaceFilesOfTheDayForm) {
    test::TempFolder folder;
    MakeDirectory(folder / "Data");
    for (const char* name :
         {"2024年01月06日.jvRA", "2024年01月07日.jvRA", "2023年12月28日.jvRA",
          "2024年01月06日.jvHR", "notes.jvRA", "2024年13月45日.jvRA", "2024年01月08日.jvRA.tmp~"})
        WriteFileAtomic(folder / (std::string("Data/") + name), "");
    auto days = BuildDateList(folder.Path());
    ASSERT_EQ(3u, days.size());
    EXPECT_TEXT_EQ("2024年01月07日", days[0]);
    EXPECT_TEXT_EQ("2024年01月06日", days[1]);
    EXPECT_TEXT_EQ("2023年12月28日", days[2]);
}

TEST(RaceDay, AddMinutesAndFetchTimes) {
    EXPECT_EQ("0855", AddMinutes("0905", -10));
    EXPECT_EQ("1205", AddMinutes("1150", 15));
    EXPECT_EQ("", AddMinutes("    ", 5));
    auto times = FetchTimesFor("1535", 10);
    EXPECT_EQ("1525", times[0]);
    EXPECT_EQ("1526", times[1]);
    EXPECT_EQ("1527", times[2]);
}

TEST(DayLoad, TwoRacecoursesFillTheFirst24SlotsAndTheLists) {
    test::MainFormFixture f({2024, 1, 13, 9, 0, 0});
    WriteRaces(f.folder.Path(), MakeDay("20240106", {"06", "09"}));
    TMainForm& form = f.Started();
    ASSERT_EQ(1u, form.DayList().DateList.size());
    form.DateListChange(0);

    ASSERT_EQ(24u, form.DayList().RaceList.size());
    EXPECT_TEXT_EQ("中山 1R", form.DayList().RaceList[0]);
    EXPECT_TEXT_EQ("中山11R", form.DayList().RaceList[10]);
    EXPECT_TEXT_EQ("阪神12R", form.DayList().RaceList[23]);
    ASSERT_EQ(24u, form.Investment().LossReg().Races().size());
    EXPECT_EQ(form.DayList().RaceList[10], form.Investment().LossReg().Races()[10].shown);
    EXPECT_TEXT_EQ("2024/01/06中山11R", form.Investment().LossReg().Races()[10].key);
    EXPECT_FALSE(form.Book()[23].IsEmpty());
    EXPECT_TRUE(form.Book()[24].IsEmpty());
    EXPECT_EQ("0950", form.Book()[0].FetchTimes[0]);
    EXPECT_EQ("3000", form.Book()[5].RaceAmount);
    EXPECT_FALSE(form.Status().Progress.visible);
    EXPECT_EQ(24, form.Status().Progress.position);
    EXPECT_EQ(0, form.DayList().SelectedRace);  // the first race is selected
}

TEST(DayLoad, TheDefaultAmountOfTheSettingsIsKeptWithinTheStakeBound) {
    const struct {
        const char* setting;
        const char* stored;
    } cases[] = {{"99999999", "999999"}, {"-5", "0"}, {"4500", "4500"}};
    for (const auto& c : cases) {
        test::MainFormFixture f({2024, 1, 13, 9, 0, 0});
        WriteRaces(f.folder.Path(), MakeDay("20240106", {"06"}));
        WriteFileAtomic(f.folder / "kagiroi.ini",
                        std::string("[KaimeSet]\r\nDefaultAmount=") + c.setting + "\r\n");
        TMainForm& form = f.Started();
        form.DateListChange(0);
        EXPECT_EQ(c.stored, form.Book()[11].RaceAmount) << c.setting;
        EXPECT_EQ(c.stored, form.Betting().SaNumEditExC1) << c.setting;
    }
}

TEST(DayLoad, SixteenRunnersFillRowsOneToSixteen) {
    test::MainFormFixture f;
    auto races = MakeDay("20240106", {"05"});
    races[3].runners = 16;
    WriteRaces(f.folder.Path(), races);
    TMainForm& form = f.Started();
    form.DateListChange(0);
    const RaceSlot& slot = form.Book()[3];
    EXPECT_EQ("16", Field(slot.RunnerInfo[16], 29, 2));
    EXPECT_EQ("04", Field(slot.RunnerInfo[16], 26, 2));
    EXPECT_TRUE(IsBlank(slot.RunnerInfo[17]));
    EXPECT_TRUE(IsBlank(slot.RunnerInfo[18]));
}

TEST(DayLoad, PayoutRecordsAttachByKeyAndConfirmedKindsAreMarked) {
    test::MainFormFixture f;
    auto races = MakeDay("20240106", {"05"});
    WriteRaces(f.folder.Path(), races);
    DayStore store(f.folder.Path());
    store.Store(test::PayoutRecord(races[2]), StoreRoute::Download);
    test::RaceSpec stranger = races[2];
    stranger.course = "08";  // no such race that day
    store.Store(test::PayoutRecord(stranger), StoreRoute::Download);
    store.Flush();
    TMainForm& form = f.Started();
    form.DateListChange(0);
    int attached = 0;
    for (const auto& slot : form.Book().slots)
        attached += IsBlank(slot.HrCopy) ? 0 : 1;
    EXPECT_EQ(1, attached);
    EXPECT_FALSE(IsBlank(form.Book()[2].HrCopy));
    // The download normalises the head, so the stored data kind is "0": not confirmed.
    EXPECT_FALSE(form.Book()[2].PayoutConfirmed);
}

TEST(DayLoad, MissingRaceFileSaysSoAndLoadsNothing) {
    test::MainFormFixture f;
    TMainForm& form = f.Started();
    form.LoadDay("2024年01月06日");
    ASSERT_EQ(1u, f.ui.Messages().size());
    EXPECT_TEXT_EQ("データ作成が未完了のようです。", f.ui.Messages()[0]);
    EXPECT_TRUE(form.DayList().RaceList.empty());
}

TEST(DayLoad, APastDayStartsNoTimerAndHidesTheCountdown) {
    test::MainFormFixture f({2024, 1, 13, 9, 0, 0});
    WriteRaces(f.folder.Path(), MakeDay("20240106", {"06"}));
    TMainForm& form = f.Started();
    form.DateListChange(0);
    EXPECT_FALSE(form.Timers().ResultsTimer.enabled);
    EXPECT_FALSE(form.Status().RemainingTimeLabel.visible);
}

TEST(DayLoad, TodayShowsTheCountdownAndStartsTheResultsTimer) {
    test::MainFormFixture f({2024, 1, 6, 9, 0, 0});
    WriteRaces(f.folder.Path(), MakeDay("20240106", {"06"}));
    TMainForm& form = f.Started();
    form.DateListChange(0);
    EXPECT_TRUE(form.Status().RemainingTimeLabel.visible);
    EXPECT_TRUE(form.Timers().ResultsTimer.enabled);
    EXPECT_EQ(600000, form.Timers().ResultsTimer.intervalMs);
}

TEST(DayLoad, OnlyTheFirst36RacesOfAnOverlongRaceFileAreLoaded) {
    test::MainFormFixture f;
    WriteRaces(f.folder.Path(), MakeDay("20240106", {"01", "02", "03", "04"}));
    TMainForm& form = f.Started();
    form.DateListChange(0);
    EXPECT_EQ(36u, form.DayList().RaceList.size());
    EXPECT_TEXT_EQ("福島12R", form.DayList().RaceList[35]);  // the fourth racecourse is left out
}

TEST(DayLoad, ShortAndDamagedFilesReadAsBlanksWhereBytesAreMissing) {
    test::MainFormFixture f;
    auto races = MakeDay("20240106", {"06"});
    WriteRaces(f.folder.Path(), races);
    // Cut the race file inside its last record and the runner file to a few lines.
    auto paths = PathsForDay(f.folder.Path(), "2024年01月06日");
    auto text = ReadWholeFile(paths.raceFile).value();
    WriteFileAtomic(paths.raceFile, text.substr(0, text.size() - 600));
    auto runners = RunnerFilePath(paths.raceFile, "06").value();
    auto runnerText = ReadWholeFile(runners).value();
    WriteFileAtomic(runners, runnerText.substr(0, 555 * 20));
    TMainForm& form = f.Started();
    form.DateListChange(0);
    ASSERT_EQ(12u, form.DayList().RaceList.size());
    EXPECT_EQ(static_cast<size_t>(1272), form.Book()[11].RaceInfo.size());
    EXPECT_TRUE(IsBlank(form.Book()[11].RaceInfo.substr(1272 - 600)));
    EXPECT_EQ("02", Field(form.Book()[1].RunnerInfo[2], 29, 2));  // record 19: inside the file
    EXPECT_TRUE(IsBlank(form.Book()[1].RunnerInfo[3]));           // record 20: past its end
}

TEST(NextRace, PicksTheNearestLaterPostTimeOnTheCurrentDayOnly) {
    test::MainFormFixture f({2024, 1, 6, 12, 10, 0});
    WriteRaces(f.folder.Path(), MakeDay("20240106", {"06", "09"}));
    TMainForm& form = f.Started();
    form.DateListChange(0);
    form.NextRaceClick();
    EXPECT_EQ(
        5, form.DayList().SelectedRace);  // 12:30 at the first course beats the same time later on

    f.clock.Set({2024, 1, 6, 16, 40, 0});
    form.Race().DatListClick(0);
    form.NextRaceClick();
    EXPECT_EQ(0, form.DayList().SelectedRace);  // the last post was 15:30: nothing is selected
}

}  // namespace
}  // namespace kagiroi
