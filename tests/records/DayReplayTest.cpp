#include "app/DemoFixture.h"
#include "platform/FileSystem.h"
#include "platform/TextLines.h"
#include "records/Backtest.h"
#include "records/StatisticsExport.h"
#include "records/Sweep.h"
#include "support/FailingReads.h"

#include <gtest/gtest.h>

#include <map>

namespace kagiroi {
namespace {

// The bytes of every file the store and the settings keep.
std::map<std::string, std::string> StoredFiles(const test::DemoFixture& demo) {
    std::map<std::string, std::string> files;
    for (const char* folder : {"Data", "CHG", ""}) {
        std::string path = demo.Path(folder);
        for (const auto& name : ListFiles(path))
            files[JoinPath(path, name)] = ReadWholeFile(JoinPath(path, name)).value_or("?");
    }
    files.erase(demo.Path("ErrorLog.txt"));
    return files;
}

class DayReplayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        demo.Download(true);
        demo.LoadDay("20240106");
        demo.Form().Race().DatListClick(4);
    }
    test::DemoFixture demo{DateTime{2024, 1, 10, 12, 0, 0}};
};

TEST_F(DayReplayTest, EveryRaceIsVisitedAndTheStoreAndSelectionStayAsTheyWere) {
    auto before = StoredFiles(demo);
    int dateIndex = demo.Form().DayList().DateIndex;
    std::vector<int> items;
    int trioTickets = 0;
    ReplaySummary summary = demo.Form().Replays().ReplayLoadedDay([&](const ReplayedRace& race) {
        items.push_back(race.item);
        // A replay analyses races of its own: the window's selection does not move.
        EXPECT_EQ(4, demo.Form().DayList().SelectedRace);
        EXPECT_EQ(dateIndex, race.dateIndex);
        trioTickets += race.bets.Table(BetType::Trio).RowCount() - 2;
        EXPECT_TRUE(demo.Form().Status().Progress.visible);
    });
    ASSERT_EQ(demo.Form().DayList().RaceList.size(), items.size());
    EXPECT_EQ(static_cast<int>(items.size()), summary.races);
    EXPECT_EQ(0, items.front());
    EXPECT_GT(trioTickets, 0);
    EXPECT_EQ(before, StoredFiles(demo));
    EXPECT_EQ(4, demo.Form().DayList().SelectedRace);
    EXPECT_EQ(dateIndex, demo.Form().DayList().DateIndex);
    EXPECT_FALSE(demo.Form().Status().Progress.visible);
}

TEST_F(DayReplayTest, ABacktestAtBettimeOddsTakesTheHistoryAndNeverTouchesTheDayFiles) {
    // The download kept each past race's announcement before the post in the odds history.
    std::map<std::string, std::optional<FileStamp>> stamps;
    auto before = StoredFiles(demo);
    for (const auto& entry : before)
        stamps[entry.first] = StampOf(entry.first);
    ReplayRunner& replays = demo.Form().Replays();
    BacktestStakes stakes;
    stakes.mode = 0;  // 均等: every net is staked, so other odds show in the return
    BacktestResult bettime = replays.Backtest("20240106", "20240107", stakes, 1);
    BacktestResult stored = replays.Backtest("20240106", "20240107", stakes, 1, false);
    EXPECT_TRUE(bettime.bettime);
    EXPECT_EQ(bettime.races, bettime.racesAtBettime);
    EXPECT_EQ(0, bettime.racesAtStoredOdds);
    EXPECT_GT(bettime.races, 0);
    EXPECT_FALSE(stored.bettime);
    EXPECT_EQ(BacktestCsv(stored).find("投票時点"), std::string::npos);
    EXPECT_NE(BacktestCsv(bettime), BacktestCsv(stored));
    EXPECT_EQ(before, StoredFiles(demo));
    for (const auto& entry : stamps)
        EXPECT_EQ(entry.second, StampOf(entry.first)) << entry.first;
}

TEST_F(DayReplayTest, ASweepTakesTheOddsItIsAskedFor) {
    ReplayRunner& replays = demo.Form().Replays();
    std::string error;
    auto axes = ParseSweepAxes({"KaimeSet/HaibunSet=0"}, &error);
    ASSERT_TRUE(axes) << error;
    auto days = replays.StoredDaysBetween("20240106", "20240107");
    auto sweep = [&](bool bettime) {
        return RunSweep(days, replays.ReplaySourceWithOdds(bettime), *axes, "", SweepNets::Both, 1,
                        {});
    };
    SweepResult bettime = sweep(true);
    SweepResult stored = sweep(false);
    BacktestStakes stakes;
    stakes.mode = 0;
    EXPECT_EQ(replays.Backtest("20240106", "20240107", stakes, 1).racesAtBettime,
              bettime.racesAtBettime);
    EXPECT_GT(bettime.racesAtBettime, 0);
    EXPECT_EQ(0, bettime.racesAtStoredOdds);
    EXPECT_FALSE(stored.bettime);
    EXPECT_NE(SweepCsv(bettime), SweepCsv(stored));
}

TEST_F(DayReplayTest, SeveralDaysAreReplayedAndTheFirstDayIsChosenAgain) {
    auto before = StoredFiles(demo);
    int dateIndex = demo.Form().DayList().DateIndex;
    std::vector<int> dates = DatesOfYear(demo.Form().DayList().DateList, "2024");
    ASSERT_GE(dates.size(), 2u);
    std::map<int, int> racesPerDate;
    ReplaySummary summary = demo.Form().Replays().ReplayDays(
        dates, [&](const ReplayedRace& race) { ++racesPerDate[race.dateIndex]; });
    EXPECT_EQ(dates.size(), racesPerDate.size());
    EXPECT_EQ(static_cast<int>(dates.size()), summary.days + summary.skippedDays);
    EXPECT_EQ(before, StoredFiles(demo));
    EXPECT_EQ(dateIndex, demo.Form().DayList().DateIndex);
    EXPECT_EQ(4, demo.Form().DayList().SelectedRace);
}

TEST_F(DayReplayTest, ATallyIsSavedOpenedAndCopied) {
    ReportOutcome outcome = demo.Form().Reports().TallyDay();
    std::string path = demo.Path("HPupload/Kaishu20240106.txt");
    ASSERT_EQ(std::vector<std::string>{path}, outcome.written);
    EXPECT_EQ(" 集計 2024年01月06日", outcome.lines.front().substr(0, 20));
    EXPECT_EQ(JoinLines(outcome.lines), ReadWholeFile(path).value_or(""));
    EXPECT_EQ(JoinLines(outcome.lines), demo.clipboard.text);
    EXPECT_EQ(std::vector<std::string>{path}, demo.shell.opened);

    demo.shell.openSucceeds = false;  // nothing opens a text file: the path is told
    demo.ui.Clear();
    demo.Form().Reports().TallyDay();
    ASSERT_EQ(1u, demo.ui.Messages().size());
    EXPECT_NE(std::string::npos, demo.ui.Messages()[0].find(path));
}

TEST_F(DayReplayTest, AReportThatCannotBeWrittenIsToldByName) {
    ASSERT_TRUE(WriteFileAtomic(demo.Path("HPupload"), "not a folder"));
    ReportOutcome outcome = demo.Form().Reports().VerifyDay();
    EXPECT_TRUE(outcome.written.empty());
    ASSERT_TRUE(outcome.failure.has_value());
    EXPECT_NE(std::string::npos, outcome.failure->find("Kaishu20240106.txt"));
    EXPECT_TRUE(demo.shell.opened.empty());
}

TEST_F(DayReplayTest, AnUnreadableRunningListIsNotReplaced) {
    std::string list = demo.Path("HPupload/Manbaken.txt");
    ASSERT_TRUE(MakeDirectories(demo.Path("HPupload")));
    ASSERT_TRUE(WriteFileAtomic(list, "earlier hits\r\n"));
    test::FailingReads reads;
    reads.Fail(list, 13);
    ReportOutcome outcome = demo.Form().Reports().ReportHits(0);
    reads.Clear();
    ASSERT_GT(outcome.lines.size(), 2u);  // the demo day has hits enough to be saved
    EXPECT_EQ(std::vector<std::string>{demo.Path("HPupload/MR20240106.txt")}, outcome.written);
    EXPECT_EQ("earlier hits\r\n", ReadWholeFile(list).value_or(""));
    ASSERT_TRUE(outcome.failure.has_value());
    EXPECT_NE(std::string::npos, outcome.failure->find("Manbaken.txt"));
}

TEST_F(DayReplayTest, AYearExportAsksFirstAndHoldsEveryRaceOfTheYear) {
    demo.ui.AnswerNext(false);
    EXPECT_FALSE(demo.Form().Reports().ExportYearStatistics().ran);
    ReportOutcome outcome = demo.Form().Reports().ExportYearStatistics();
    ASSERT_EQ(2u, demo.ui.Questions().size());
    EXPECT_EQ("2024年分をCSVに出力します。", demo.ui.Questions().back().substr(0, 27));
    std::string path = demo.Path("CSV/KG2024.csv");
    ASSERT_EQ(std::vector<std::string>{path}, outcome.written);
    EXPECT_EQ(static_cast<size_t>(outcome.replay.races) + 1, outcome.lines.size());
    EXPECT_EQ(StatisticsHeader(), outcome.lines.front());
    EXPECT_EQ(JoinLines(outcome.lines), ReadWholeFile(path).value_or(""));
}

}  // namespace
}  // namespace kagiroi
