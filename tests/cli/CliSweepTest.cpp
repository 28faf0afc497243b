#include "cli/CliFixture.h"
#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/Sjis.h"
#include "platform/TextField.h"
#include "records/Backtest.h"

#include <gtest/gtest.h>

namespace kagiroi::test {
namespace {

class CliSweepTest : public CliTest {
  protected:
    void SetUp() override { UseDownloadedDays(); }
};

TEST_F(CliSweepTest, EachCombinationIsTheBacktestOfItsValuesAndTheSettingsStay) {
    std::string ini = ReadWholeFile(home / "kagiroi.ini").value_or("");
    CliRun run = Run({"sweep", "2024-01-01", "2024-01-09", "--set", "KaimeSet/HaibunSet=0,1,2",
                      "--set", "KaimeSet/DefaultAmount=2000,5000", "--split", "2024-01-07",
                      "--type", "trio", "--csv", home / "sweep.csv", "--jobs", "2"});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_EQ(ini, ReadWholeFile(home / "kagiroi.ini").value_or(""));

    Rows rows = OutputRows(run.out);
    rows.pop_back();  // the path of the CSV file
    ASSERT_FALSE(rows.empty());
    // By default, like the backtest, the odds of the moment of betting from the download's
    // history.
    EXPECT_EQ(0u,
              rows.back().front().find(SjisToUtf8("投票時点のオッズのレース 48、保存されたオッズ")))
        << run.out;
    rows.pop_back();
    ASSERT_EQ(7u, rows.size()) << run.out;  // the header and six combinations
    InProcessForm f(home.Path());
    double previousRate = 1e9;
    for (size_t r = 1; r < rows.size(); ++r) {
        const std::vector<std::string>& row = rows[r];
        ASSERT_EQ(12u, row.size());
        BacktestStakes stakes{ToInt(row[1]), ToInt(row[0])};
        const BetRecord before =
            f.form.Replays().Backtest("20240101", "20240106", stakes, 1).total[0];
        const BetRecord after =
            f.form.Replays().Backtest("20240107", "20240109", stakes, 1).total[0];
        std::vector<std::string> expected = {row[0],
                                             row[1],
                                             Format("%d", before.racesBet),
                                             Format("%lld", (long long)before.stake),
                                             Format("%lld", (long long)before.payback),
                                             Format("%.1f", before.ReturnRate()),
                                             Format("%lld", (long long)before.running.drawdown),
                                             Format("%d", after.racesBet),
                                             Format("%lld", (long long)after.stake),
                                             Format("%lld", (long long)after.payback),
                                             Format("%.1f", after.ReturnRate()),
                                             Format("%lld", (long long)after.running.drawdown)};
        EXPECT_EQ(expected, row);
        EXPECT_LE(std::stod(row[5]), previousRate) << "sorted by the in-sample return rate";
        previousRate = std::stod(row[5]);
    }
    EXPECT_TRUE(FileExists(home / "sweep.csv"));
}

TEST_F(CliSweepTest, WrongKeysValuesAndTooManyCombinationsAreRefusedByName) {
    struct Case {
        std::vector<std::string> sets;
        const char* named;
    } cases[] = {
        {{"KaimeSet/Nothing=1"}, "KaimeSet/Nothing"},
        {{"KaimeSet/HaibunSet=0,3"}, "KaimeSet/HaibunSet=3"},
        {{"Race1Strong/1nin=abc"}, "Race1Strong/1nin=abc"},
        {{"KaimeSet/KellyPercent=1,2,3,4,5,6,7,8,9,10,11",
          "KaimeSet/DefaultAmount=100,200,300,400,500,600,700,800,900,1000",
          "Nin100/SRF=1,2,3,4,5,6,7,8,9,10"},
         "1000"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"sweep", "2024-01-01", "2024-01-09"};
        for (const auto& set : c.sets) {
            args.push_back("--set");
            args.push_back(set);
        }
        CliRun run = Run(args);
        EXPECT_EQ(2, run.status) << c.named;
        EXPECT_NE(std::string::npos, run.err.find(c.named)) << run.err;
    }
}

}  // namespace
}  // namespace kagiroi::test
