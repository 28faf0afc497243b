#include "analysis/RaceMarks.h"

#include "odds/OddsTestRecords.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

std::array<std::string, 6> DefaultTexts() {
    std::array<std::string, 6> texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = kStrengthSettings[i].fallback;
    return texts;
}

// Runners 1..n ranked in horse order at the given win odds.
RaceSlot Favourites(const std::vector<double>& odds) {
    RaceSlot slot;
    slot.RaceInfo = test::RaceRecord("05", 11, static_cast<int>(odds.size()));
    for (size_t i = 0; i < odds.size(); ++i) {
        slot.Odds.WinOdds[i + 1] = odds[i];
        slot.Odds.WinRank[i + 1] = static_cast<int>(i) + 1;
    }
    return slot;
}

std::string Shown(const RaceMarks& marks) {
    return (marks.strong1.empty() ? "-" : "1") + std::string(marks.strong2.empty() ? "-" : "2") +
           (marks.strong3.empty() ? "-" : "3") + (marks.strongE.empty() ? "-" : "E");
}

TEST(StrengthThresholds, ReadFromTheSettingTexts) {
    StrengthThresholds defaults = StrengthThresholdsFromTexts(DefaultTexts());
    EXPECT_EQ(2.0, defaults.favouriteAtMost1);
    EXPECT_EQ(7.0, defaults.secondAtLeast1);
    EXPECT_EQ(4.0, defaults.secondAtMost2);
    EXPECT_EQ(10.0, defaults.thirdAtLeast2);
    EXPECT_EQ(8.0, defaults.thirdAtMost3);
    EXPECT_EQ(12.0, defaults.fourthAtLeast3);

    StrengthThresholds saved =
        StrengthThresholdsFromTexts({"    2.5", "   10.0", "abc", "", "8", "1,5"});
    EXPECT_EQ(2.5, saved.favouriteAtMost1);
    EXPECT_EQ(10.0, saved.secondAtLeast1);
    EXPECT_EQ(0.0, saved.secondAtMost2);
    EXPECT_EQ(0.0, saved.thirdAtLeast2);
    EXPECT_EQ(8.0, saved.thirdAtMost3);
    EXPECT_EQ(0.0, saved.fourthAtLeast3);
}

TEST(RaceMarks, BoundsAreInclusive) {
    StrengthThresholds t = StrengthThresholdsFromTexts(DefaultTexts());
    EXPECT_EQ("1---", Shown(ComputeRaceMarks(Favourites({2.0, 7.0, 9.0, 11.0}), t)));
    EXPECT_EQ("---E", Shown(ComputeRaceMarks(Favourites({2.1, 7.0, 9.0, 11.0}), t)));
    EXPECT_EQ("---E", Shown(ComputeRaceMarks(Favourites({2.0, 6.9, 9.0, 11.0}), t)));
    EXPECT_EQ("-2--", Shown(ComputeRaceMarks(Favourites({3.0, 4.0, 10.0, 11.0}), t)));
    EXPECT_EQ("--3-", Shown(ComputeRaceMarks(Favourites({3.0, 5.0, 8.0, 12.0}), t)));
    EXPECT_EQ("1-3-", Shown(ComputeRaceMarks(Favourites({1.5, 7.5, 8.0, 12.0}), t)));
    EXPECT_TEXT_EQ("○", ComputeRaceMarks(Favourites({2.0, 7.0}), t).strong1);
}

TEST(RaceMarks, ARaceWithoutRanksShowsOnlyTheOtherMark) {
    RaceSlot slot = Favourites({2.0, 7.0, 4.0});
    slot.Odds.WinRank = {};
    RaceMarks marks = ComputeRaceMarks(slot, StrengthThresholdsFromTexts(DefaultTexts()));
    EXPECT_EQ("---E", Shown(marks));
    EXPECT_TEXT_EQ("○", marks.strongE);
}

}  // namespace
}  // namespace kagiroi
