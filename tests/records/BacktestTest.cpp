#include "daystore/DayFiles.h"
#include "records/Backtest.h"
#include "records/BalanceChartShape.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

TEST(Backtest, LargestDrawdownOfHandMadeBalances) {
    const std::vector<std::pair<std::vector<int64_t>, int64_t>> cases = {
        {{}, 0},
        {{100, 300, 500}, 0},                   // never falls
        {{-200, -500, -100}, 500},              // from the start at 0
        {{400, 100, 900, 300, 800, -50}, 950},  // the later, deeper fall from the higher peak
        {{1000, 200, 1200, 900}, 800},          // the earlier fall is the larger
    };
    for (const auto& [balances, drawdown] : cases)
        EXPECT_EQ(drawdown, LargestDrawdown(balances)) << ::testing::PrintToString(balances);
}

TEST(Backtest, RacesAddUpDayByDayAndTheBalanceRunsAcrossDays) {
    BetBoard bets;
    BacktestTally tally;
    auto race = [&](const char* day, const char* count, const char* stake, const char* payback) {
        BetTotals& trio = bets.Totals(BetType::Trio);
        trio.count.text = count;
        trio.stake.text = stake;
        trio.payback.text = payback;
        tally.AddRace(day, bets, true);
    };
    race("20240106", " 10", "  3000", "");
    race("20240106", " 10", "  3000", "    7500");
    race("20240107", "", "", "");  // no net: not bet
    race("20240107", "  8", "  3000", "");
    const BacktestResult& r = tally.Result();
    ASSERT_EQ(2u, r.days.size());
    EXPECT_EQ(2, r.days[0].races);
    EXPECT_EQ(1, r.days[0].bets[0].racesHit);
    EXPECT_EQ(1500, r.days[0].balanceAfter[0]);
    EXPECT_EQ(3000, r.days[0].bets[0].running.drawdown);
    EXPECT_EQ(1, r.days[1].bets[0].racesBet);
    EXPECT_EQ(-1500, r.days[1].balanceAfter[0]);
    EXPECT_EQ(3000, r.total[0].running.drawdown);  // 1500 down to -1500
    EXPECT_EQ(3, r.total[0].racesBet);
    EXPECT_DOUBLE_EQ(7500.0 / 9000.0 * 100, r.total[0].ReturnRate());
    EXPECT_EQ(0, r.total[1].racesBet);
    EXPECT_EQ(0.0, r.total[1].HitRate());
}

TEST(Backtest, TheChartSpansTheBalancesAndZeroAndPutsALoneDayInTheMiddle) {
    auto result = [](std::vector<std::array<int64_t, 2>> balances) {
        BacktestResult r;
        for (const auto& b : balances)
            r.days.push_back(BacktestDay{"20240106", 12, {}, b});
        return r;
    };
    BalanceChartShape two = ShapeOfBalances(result({{6000, -1000}, {3000, -3000}}));
    EXPECT_EQ(-3000, two.low);
    EXPECT_EQ(6000, two.high);
    EXPECT_DOUBLE_EQ(3000.0 / 9000, two.zeroY);
    EXPECT_EQ((std::vector<ChartPoint>{{0, 1}, {1, 6000.0 / 9000}}), two.lines[0]);
    EXPECT_EQ((std::vector<ChartPoint>{{0, 2000.0 / 9000}, {1, 0}}), two.lines[1]);

    BalanceChartShape lone = ShapeOfBalances(result({{500, 0}}));  // all above zero
    EXPECT_EQ(0, lone.low);
    EXPECT_EQ((std::vector<ChartPoint>{{0.5, 1}}), lone.lines[0]);
    EXPECT_EQ((std::vector<ChartPoint>{{0.5, 0}}), lone.lines[1]);
}

TEST(Backtest, TheDaysOfTheRangeRunOldestFirstFromANewestFirstDateBox) {
    std::vector<std::string> box;
    for (const char* date : {"20240114", "20240107", "20240106", "20231231"})
        box.push_back(DayTextFromDate(date).value());
    box.push_back("2024-01-08");  // not a day text: left out
    EXPECT_EQ((std::vector<int>{2, 1}), DatesInRange(box, "20240101", "20240107"));
    EXPECT_EQ((std::vector<int>{3, 2, 1, 0}), DatesInRange(box, "20231231", "20240114"));
}

}  // namespace
}  // namespace kagiroi
