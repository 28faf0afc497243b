#include "cli/CliFixture.h"
#include "platform/FileSystem.h"
#include "platform/SettingsFile.h"
#include "platform/Sjis.h"
#include "platform/TextField.h"

#include <gtest/gtest.h>

#include <regex>

namespace kagiroi::test {
namespace {

// Columns of the index table: 単オッズ and ﾏｲﾆﾝｸﾞ.
constexpr int kWinOddsColumn = 6;
constexpr int kMiningColumn = 14;

bool ColumnIsBlank(const TextGrid& grid, int col) {
    for (int r = 1; r < grid.RowCount(); ++r)
        if (!IsBlank(grid.Cell(col, r))) return false;
    return true;
}

class CliFetchTest : public CliTest {
  protected:
    void SetUp() override { UseDownloadedDays(); }
    // Today's race at list item `item` as the window shows it from the stored files.
    std::unique_ptr<InProcessForm> TodayOn(int item) {
        auto f = std::make_unique<InProcessForm>(home.Path());
        f->SelectRace(kToday, item);
        return f;
    }
};

TEST_F(CliFetchTest, OddsOfARaceStillToRunAreStoredAndShown) {
    const TextGrid before = TodayOn(11)->form.RaceCard().StringGrid26;
    ASSERT_TRUE(ColumnIsBlank(before, kWinOddsColumn)) << "the download brings no odds for today";

    CliRun run = Run({"fetch", "odds", kToday, "12"});
    ASSERT_EQ(0, run.status) << run.err;
    auto f = TodayOn(11);
    EXPECT_FALSE(ColumnIsBlank(f->form.RaceCard().StringGrid26, kWinOddsColumn));
    ExpectSameRows(Utf8Rows(f->form.RaceCard().StringGrid26), OutputRows(run.out),
                   "index after odds");
    EXPECT_GT(f->form.Betting().Bets.Table(BetType::Trio).RowCount(), 2) << "the odds make a net";
}

TEST_F(CliFetchTest, ResultsOfTheRacesThatHaveRun) {
    ASSERT_TRUE(IsBlank(TodayOn(0)->ResultsRows()[1][1]));
    CliRun run = Run({"fetch", "results", kToday, "1"});
    ASSERT_EQ(0, run.status) << run.err;
    auto f = TodayOn(0);
    ExpectSameRows(f->ResultsRows(), OutputRows(run.out), "results of race 1");
    EXPECT_FALSE(IsBlank(f->form.RaceCard().ResultsPage[0].rows[0].result))
        << "the first race has run";

    // The last race posts in the afternoon: no result yet.
    CliRun later = Run({"fetch", "results", kToday, "12"});
    ASSERT_EQ(0, later.status) << later.err;
    Rows rows = OutputRows(later.out);
    ASSERT_GT(rows.size(), 1u);
    for (size_t r = 1; r < rows.size(); ++r)
        EXPECT_EQ((std::vector<std::string>{rows[r][0], "", "", ""}), rows[r]) << "row " << r;
}

TEST_F(CliFetchTest, MiningPredictionsAreStoredAndShownInTheIndexTable) {
    const std::string miningFile = home / "Data/2024年01月10日.jvDM";
    ASSERT_FALSE(FileExists(miningFile));
    CliRun run = Run({"fetch", "mining", kToday, "5"});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_TRUE(FileExists(miningFile));
    auto f = TodayOn(4);
    EXPECT_FALSE(IsBlank(f->form.Book()[4].DMCopy)) << "the race has its mining record";
    EXPECT_FALSE(ColumnIsBlank(f->form.RaceCard().StringGrid26, kMiningColumn));
    ExpectSameRows(Utf8Rows(f->form.RaceCard().StringGrid26), OutputRows(run.out),
                   "index after mining");
}

TEST_F(CliFetchTest, ChangesAreStoredAndTheCardShown) {
    ASSERT_TRUE(ListFiles(home / "CHG").empty());
    CliRun run = Run({"fetch", "changes", kToday});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_FALSE(ListFiles(home / "CHG").empty());
    auto f = TodayOn(0);
    ExpectSameRows(f->HeaderRows(), OutputRows(run.out), "header after changes");
}

TEST_F(CliFetchTest, AFailedFetchIsRefusedWithTheWindowsMessage) {
    // A folder feed has no race-day data to give.
    TempFolder feed;
    SettingsFile(home / "kagiroi.ini").WriteString("JvLink", "Source", feed.Path());
    const std::vector<std::pair<std::string, std::string>> fetches = {
        {"odds", "ｵｯｽﾞ取得エラー："},
        {"results", "ﾚｰｽ情報データ取得エラー："},
        {"mining", "DMデータ取得エラー："},
        {"changes", "開催速報データ取得エラー："}};
    for (const auto& [what, failure] : fetches) {
        CliRun run = Run({"fetch", what, kToday, "1"});
        EXPECT_EQ(1, run.status) << what;
        EXPECT_EQ("", run.out) << what;
        EXPECT_NE(std::string::npos, run.err.find(SjisToUtf8(failure))) << run.err;
    }
}

TEST_F(CliFetchTest, WrongFetchesAreWrongUsageOrRefused) {
    EXPECT_EQ(2, Run({"fetch"}).status);
    EXPECT_EQ(2, Run({"fetch", "odds"}).status);
    EXPECT_EQ(2, Run({"fetch", "prices", kToday}).status);
    EXPECT_EQ(2, Run({"fetch", "odds", kToday, "1", "2"}).status);
    EXPECT_EQ(1, Run({"fetch", "odds", "2024-01-09"}).status) << "no race day";
    EXPECT_EQ(1, Run({"fetch", "odds", kToday, "99"}).status);
    EXPECT_EQ(1, Run({"fetch", "odds", kToday, "01-01"}).status) << "札幌 does not race";
}

using CliDemoTest = CliTest;

TEST_F(CliDemoTest, DownloadsAndPrintsTheNextRaceWithItsStakes) {
    CliRun run = Run({"demo"});
    ASSERT_EQ(0, run.status) << run.err;
    std::vector<std::string> lines = OutputLines(run.out);
    ASSERT_GT(lines.size(), 2u);
    EXPECT_TRUE(std::regex_match(lines[0], std::regex(R"(files: [1-9]\d*, .*)"))) << lines[0];
    EXPECT_EQ("", lines[1]);

    InProcessForm f(home.Path());
    f.LoadDay(kToday);
    ASSERT_TRUE(f.form.NextRaceClick()) << "races are still to run at 11:00";
    EXPECT_GT(f.form.Betting().Bets.Table(BetType::Trio).RowCount(), 2) << "its odds were fetched";
    Rows printed = OutputRows(run.out);
    printed.erase(printed.begin(), printed.begin() + 2);
    ExpectSameRows(f.RacePrint(), printed, "demo race");

    CliRun again = Run({"demo"});
    EXPECT_EQ(0, again.status) << "nothing new to download is no failure";
    EXPECT_TRUE(std::regex_match(OutputLines(again.out)[0],
                                 std::regex(R"(files: 0, .*LastTime: unchanged)")));
}

}  // namespace
}  // namespace kagiroi::test
