#include "cli/CliFixture.h"
#include "daystore/DayFiles.h"
#include "platform/FileSystem.h"
#include "platform/Sjis.h"
#include "platform/TextField.h"
#include "records/Backtest.h"
#include "records/BalanceChartPng.h"
#include "selection/BetColumns.h"
#include "selection/BetTables.h"

#include <gtest/gtest.h>

#include <map>

namespace kagiroi::test {
namespace {

// Every file of the program folder's day store and settings: contents and stamps.
std::map<std::string, std::pair<std::string, std::optional<FileStamp>>> StoreSnapshot(
    const TempFolder& home) {
    std::map<std::string, std::pair<std::string, std::optional<FileStamp>>> files;
    for (const std::string& folder : {DataFolder(home.Path()), ChangeFolder(home.Path())})
        for (const std::string& name : ListFiles(folder)) {
            std::string path = JoinPath(folder, name);
            files[path] = {ReadWholeFile(path).value_or("(unreadable)"), StampOf(path)};
        }
    std::string ini = home / "kagiroi.ini";
    files[ini] = {ReadWholeFile(ini).value_or(""), StampOf(ini)};
    return files;
}

// A day's figures read from the ticket cells themselves after a click on each race: stakes of
// the tickets not struck out, the returns of the hit rows.
std::array<BetRecord, 2> DayFromCells(InProcessForm& f, const std::string& day) {
    std::array<BetRecord, 2> figures;
    f.LoadDay(day);
    for (size_t item = 0; item < f.form.DayList().RaceList.size(); ++item) {
        f.form.Race().DatListClick(static_cast<int>(item));
        for (size_t t = 0; t < kBacktestTypes.size(); ++t) {
            const TextGrid& table = f.form.Bets().Table(kBacktestTypes[t]);
            const BetColumns& c = ColumnsOf(kBacktestTypes[t]);
            int tickets = 0;
            int64_t stake = 0, payback = 0;
            for (int r = 1; r < table.RowCount(); ++r) {
                if (IsBlank(table.Cell(c.stake, r)) || !IsBlank(table.Cell(c.strike, r))) continue;
                ++tickets;
                stake += ToInt64(table.Cell(c.stake, r));
                payback += ToInt64(table.Cell(c.hitReturn, r));
            }
            figures[t].AddRace(tickets, stake, payback);
        }
    }
    return figures;
}

class CliBacktestTest : public CliTest {
  protected:
    void SetUp() override { UseDownloadedDays(); }
};

TEST_F(CliBacktestTest, TotalsAreTheSumOfTheDaysAndTheStoreAndSelectionStayAsTheyWere) {
    InProcessForm f(home.Path());
    f.LoadDay(kPastDay);
    f.form.Race().DatListClick(3);
    auto before = StoreSnapshot(home);
    int dateIndex = f.form.DayList().DateIndex;

    // At the stored odds, as a click on each race shows them.
    BacktestResult result = f.form.Replays().Backtest("20240101", "20240109", {}, 1, false);
    EXPECT_EQ(before, StoreSnapshot(home));
    EXPECT_EQ(dateIndex, f.form.DayList().DateIndex);
    EXPECT_EQ(3, f.form.DayList().SelectedRace);

    ASSERT_FALSE(result.days.empty());
    std::array<BetRecord, 2> sum;
    for (const BacktestDay& day : result.days) {
        std::array<BetRecord, 2> cells = DayFromCells(
            f, day.date.substr(0, 4) + "-" + day.date.substr(4, 2) + "-" + day.date.substr(6, 2));
        for (size_t t = 0; t < 2; ++t) {
            EXPECT_EQ(cells[t].stake, day.bets[t].stake) << day.date << " " << t;
            EXPECT_EQ(cells[t].payback, day.bets[t].payback) << day.date << " " << t;
            sum[t].racesBet += cells[t].racesBet;
            sum[t].racesHit += cells[t].racesHit;
            sum[t].stake += cells[t].stake;
            sum[t].payback += cells[t].payback;
        }
    }
    for (size_t t = 0; t < 2; ++t) {
        EXPECT_EQ(sum[t].racesBet, result.total[t].racesBet) << t;
        EXPECT_EQ(sum[t].racesHit, result.total[t].racesHit) << t;
        EXPECT_EQ(sum[t].stake, result.total[t].stake) << t;
        EXPECT_EQ(sum[t].payback, result.total[t].payback) << t;
        EXPECT_EQ(sum[t].payback - sum[t].stake, result.total[t].running.balance) << t;
    }
    EXPECT_GT(result.total[0].stake, 0);
}

TEST_F(CliBacktestTest, TheCommandPrintsAndWritesTheTableWithItsOwnStakesAndKeepsTheSettings) {
    std::string ini = ReadWholeFile(home / "kagiroi.ini").value_or("");
    CliRun run = Run({"backtest", "2024-01-06", "2024-01-07", "--amount", "5000", "--mode", "equal",
                      "--csv", home / "bt.csv", "--png", home / "bt.png"});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_EQ(ini, ReadWholeFile(home / "kagiroi.ini").value_or(""));

    InProcessForm f(home.Path());
    BacktestResult result = f.form.Replays().Backtest("20240106", "20240107", {5000, 0});
    EXPECT_EQ(BacktestCsv(result), ReadWholeFile(home / "bt.csv").value_or(""));
    EXPECT_EQ(BalanceChartPng(result), ReadWholeFile(home / "bt.png").value_or(""));
    EXPECT_EQ(Utf8Rows(BacktestRows(result)),
              OutputRows(run.out.substr(0, run.out.rfind((home / "bt.csv").c_str()))));
    EXPECT_NE(BacktestCsv(result),
              BacktestCsv(f.form.Replays().Backtest("20240106", "20240107", {})));
    EXPECT_EQ(2, Run({"backtest", "2024-01-07", "2024-01-06"}).status);
    EXPECT_EQ(2, Run({"backtest", "2024-01-06", "2024-01-07", "--mode", "harville"}).status);

    // ケリー is the third mode: the window's own backtest with item 2, not the equal one.
    CliRun kelly = Run({"backtest", "2024-01-06", "2024-01-07", "--amount", "999999", "--mode",
                        "kelly", "--csv", home / "kelly.csv"});
    ASSERT_EQ(0, kelly.status) << kelly.err;
    std::string kellyCsv =
        BacktestCsv(f.form.Replays().Backtest("20240106", "20240107", {999999, 2}));
    EXPECT_EQ(kellyCsv, ReadWholeFile(home / "kelly.csv").value_or(""));
    EXPECT_NE(kellyCsv,
              BacktestCsv(f.form.Replays().Backtest("20240106", "20240107", {999999, 0})));

    // The chart cannot be written: told by its name, the table written before it stays.
    CliRun failed = Run({"backtest", "2024-01-06", "2024-01-06", "--csv", home / "one.csv", "--png",
                         home / "missing/bt.png"});
    EXPECT_EQ(1, failed.status);
    EXPECT_NE(std::string::npos, failed.err.find("missing/bt.png")) << failed.err;
    EXPECT_TRUE(ReadWholeFile(home / "one.csv").has_value());
}

TEST_F(CliBacktestTest, DaysSideBySideGiveTheSameTableAsOneAtATime) {
    CliRun one = Run({"backtest", "2024-01-01", "2024-01-09", "--jobs", "1"});
    ASSERT_EQ(0, one.status) << one.err;
    for (const char* jobs : {"2", "7"}) {
        CliRun many = Run({"backtest", "2024-01-01", "2024-01-09", "--jobs", jobs});
        EXPECT_EQ(one.out, many.out) << jobs;
    }
    EXPECT_EQ(2, Run({"backtest", "2024-01-01", "2024-01-09", "--jobs", "0"}).status);
    EXPECT_EQ(2, Run({"backtest", "2024-01-01", "2024-01-09", "--odds", "closing"}).status);
}

TEST_F(CliRaceMorningTest, ARaceWithoutItsResultIsNotBetAndIsCountedApart) {
    CliRun run = RunAt935({"backtest", "2026-12-12", "2026-12-12"});
    ASSERT_EQ(0, run.status) << run.err;
    Rows rows = OutputRows(run.out);
    ASSERT_EQ(7u, rows.size());  // at the odds of the moment of betting: two counts at the end
    const std::vector<std::string>& total = rows[2];
    ASSERT_EQ(SjisToUtf8("合計"), total.at(0));
    for (size_t stake : {4u, 12u})
        EXPECT_EQ("0", total.at(stake)) << SjisToUtf8(rows[0].at(stake));
    EXPECT_EQ((std::vector<std::string>{SjisToUtf8("結果の出ていないレース"), total.at(1)}),
              rows[4]);
    EXPECT_EQ(SjisToUtf8("投票時点のオッズのレース"), rows[5].at(0));
    EXPECT_EQ(total.at(1), std::to_string(ToInt(rows[5].at(1)) + ToInt(rows[6].at(1))));
}

}  // namespace
}  // namespace kagiroi::test
