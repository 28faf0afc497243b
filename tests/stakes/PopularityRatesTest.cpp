#include "stakes/PopularityRates.h"

#include "platform/Format.h"
#include "selection/BetTables.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

TEST(PopularityRates, TheModelIsAProperFinishingDistribution) {
    PopularityRateTables model = ModelRates();
    for (int n = kMinRateFieldSize; n <= kMaxRateFieldSize; ++n) {
        double win = 0, two = 0, three = 0;
        for (int r = 1; r <= n; ++r) {
            double w = Rate(model, RateTable::Win, n, r);
            double t2 = Rate(model, RateTable::TopTwo, n, r);
            double t3 = Rate(model, RateTable::TopThree, n, r);
            EXPECT_LE(w, t2);
            EXPECT_LE(t2, t3);
            EXPECT_LE(t3, 1.0);
            if (r > 1) {
                EXPECT_LT(w, Rate(model, RateTable::Win, n, r - 1)) << n << " " << r;
                EXPECT_LT(t3, Rate(model, RateTable::TopThree, n, r - 1)) << n << " " << r;
            }
            win += w, two += t2, three += t3;
        }
        // One winner, two horses in the first two, three in the first three.
        EXPECT_NEAR(1.0, win, 1e-9) << n;
        EXPECT_NEAR(2.0, two, 1e-9) << n;
        EXPECT_NEAR(3.0, three, 1e-9) << n;
        EXPECT_EQ(0.0, Rate(model, RateTable::TopThree, n, n + 1));
    }
    // Near what a favourite does in a full field: wins about a third of its races, finishes in
    // the first three a little under two thirds.
    EXPECT_NEAR(0.33, Rate(model, RateTable::Win, 16, 1), 0.03);
    EXPECT_NEAR(0.63, Rate(model, RateTable::TopThree, 16, 1), 0.04);
}

TEST(PopularityRates, OutsideTheTablesTheRateIsZero) {
    PopularityRateTables model = ModelRates();
    EXPECT_EQ(0.0, Rate(model, RateTable::Win, 3, 1));
    EXPECT_EQ(0.0, Rate(model, RateTable::Win, 19, 1));
    EXPECT_EQ(0.0, Rate(model, RateTable::Win, 10, 0));
    EXPECT_EQ(0.0, Rate(model, RateTable::Win, 18, 19));
    EXPECT_GT(Rate(model, RateTable::Win, 4, 4), 0.0);
}

TEST(PopularityRates, TrifectaColumnsUseWinTopTwoAndTopThreeRates) {
    PopularityRateTables tables;
    tables.At(RateTable::Win, 12, 3) = 0.125;
    tables.At(RateTable::TopTwo, 12, 1) = 0.5;
    tables.At(RateTable::TopThree, 12, 10) = 0.0625;
    tables.At(RateTable::TopThree, 12, 3) = 0.375;
    TextGrid table;
    SetUpBetTable(table, BetType::Trifecta);
    table.SetRowCount(3);
    table.SetCell(5, 1, " 3- 1-10");
    table.SetCell(5, 2, "");  // no win popularity: nothing written
    table.SetCell(9, 2, "keep");
    FillPopularityRates(BetType::Trifecta, table, 12, tables);
    EXPECT_EQ(" 12.5", table.Cell(9, 1));
    EXPECT_EQ(" 50.0", table.Cell(10, 1));
    EXPECT_EQ("  6.2", table.Cell(11, 1));  // "%5.1f" of 6.25
    EXPECT_EQ("keep", table.Cell(9, 2));

    TextGrid trio;
    SetUpBetTable(trio, BetType::Trio);
    trio.SetCell(5, 1, " 3- 3-10");
    FillPopularityRates(BetType::Trio, trio, 12, tables);
    EXPECT_EQ(" 37.5", trio.Cell(9, 1));
    EXPECT_EQ(" 37.5", trio.Cell(10, 1));
    EXPECT_EQ("  6.2", trio.Cell(11, 1));
}

TEST(PopularityRates, FieldSizesOutsideTheTablesAndBracketTablesWriteNothing) {
    PopularityRateTables model = ModelRates();
    TextGrid table;
    SetUpBetTable(table, BetType::Trio);
    table.SetCell(5, 1, " 1- 2-19");
    FillPopularityRates(BetType::Trio, table, 3, model);
    EXPECT_EQ("", table.Cell(9, 1));
    FillPopularityRates(BetType::Trio, table, 18, model);
    EXPECT_NE("", table.Cell(9, 1));
    EXPECT_EQ("", table.Cell(11, 1));  // rank 19
    TextGrid bracket;
    SetUpBetTable(bracket, BetType::BracketQuinella);
    bracket.SetCell(5, 1, " 1- 2");
    FillPopularityRates(BetType::BracketQuinella, bracket, 12, model);
    EXPECT_EQ("", bracket.Cell(9, 1));
    EXPECT_EQ("", bracket.Cell(10, 1));
}

}  // namespace
}  // namespace kagiroi
