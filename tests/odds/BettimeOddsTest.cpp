#include "odds/BettimeOdds.h"

#include "odds/OddsTestRecords.h"
#include "odds/TimeSeriesLayout.h"
#include "platform/TextField.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

using test::O1Builder;

class BettimeOddsTest : public ::testing::Test {
  protected:
    BettimeOddsTest() {
        race.RaceInfo = test::RaceRecord("05", 11, 16);
        race.FetchTimes = {"1530", "1531", "1532"};
        race.O1Copy = O1Builder("05", 11).Announced("01061541").Win(1, "0045");
    }
    std::string HistoryFile() const {
        return *TimeSeriesFile(history.Path(), race.RaceInfo, OddsKind::O1);
    }

    test::TempFolder history;
    RaceSlot race;
    std::vector<std::string> log;
};

TEST_F(BettimeOddsTest, TheAnnouncementNearestTheFirstFetchTimeReplacesTheStoredOdds) {
    std::string nearest = O1Builder("05", 11).Announced("01061533").Win(1, "0123");
    test::WriteDayFile(HistoryFile(),
                       {O1Builder("05", 11).Announced("01061520").Win(1, "0100"),
                        O1Builder("05", 11).Announced("01071530").Win(1, "0999"), nearest});
    EXPECT_TRUE(TakeBettimeOdds(race, history.Path(), log));
    EXPECT_EQ(nearest.substr(0, nearest.size() - 2), race.O1Copy);
    EXPECT_DOUBLE_EQ(12.3, race.Odds.WinOdds[1]);
    EXPECT_EQ("1533", race.Odds.OddsTime);
    EXPECT_TRUE(log.empty());
}

TEST_F(BettimeOddsTest, AHistoryOfAnotherDayOrNoneLeavesTheStoredOdds) {
    const std::string stored = race.O1Copy;
    EXPECT_FALSE(TakeBettimeOdds(race, history.Path(), log));  // no file at all
    // A file of the race's key whose announcements were all made on another day.
    test::WriteDayFile(HistoryFile(), {O1Builder("05", 11).Announced("01051530").Win(1, "0999"),
                                       O1Builder("05", 11).Announced("01071530").Win(1, "0999")});
    EXPECT_FALSE(TakeBettimeOdds(race, history.Path(), log));
    EXPECT_EQ(stored, race.O1Copy);
    EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace kagiroi
