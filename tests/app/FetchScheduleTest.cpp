#include "app/FetchSchedule.h"
#include "daystore/RaceDay.h"
#include "daystore/RecordLayout.h"
#include "platform/TextField.h"
#include "support/DayBuilder.h"
#include "support/RecordBuilder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

class FetchScheduleTest : public ::testing::Test {
  protected:
    FetchScheduleTest() : book(std::make_unique<DayBook>()) {
        test::RaceSpec race{"20240106", "05", 11};
        race.postTime = "1535";
        RaceSlot& slot = (*book)[4];
        slot.RaceInfo = test::RaceRecord(race);
        slot.FetchTimes = FetchTimesFor("1535", 10);
    }
    void AnnounceOdds(const std::string& hhmm) {
        (*book)[4].O1Copy = test::RecordBuilder("O1", kO1Length)
                                .Key("20240106", "05", 1, 1, 11)
                                .Put(28, "0106" + hhmm);
    }
    std::unique_ptr<DayBook> book;
};

TEST_F(FetchScheduleTest, StaleOddsAreRequestedInTheFirstTwoFetchMinutes) {
    EXPECT_TRUE(BuildAutoFetchList(*book, "1524").empty());
    auto list = BuildAutoFetchList(*book, "1525");
    ASSERT_EQ(1u, list.size());
    EXPECT_EQ("2024010605010111 4", list[0]);
    EXPECT_EQ(1u, BuildAutoFetchList(*book, "1526").size());
    EXPECT_TRUE(BuildAutoFetchList(*book, "1527").empty());
}

TEST_F(FetchScheduleTest, OddsAnnouncedFiveMinutesBeforeTheFetchTimeAreFresh) {
    AnnounceOdds("1220");
    EXPECT_FALSE(OddsAreFresh((*book)[4]));
    EXPECT_EQ(1u, BuildAutoFetchList(*book, "1525").size());
    AnnounceOdds("1522");  // 15:27 is not earlier than 15:25
    EXPECT_TRUE(OddsAreFresh((*book)[4]));
    EXPECT_TRUE(BuildAutoFetchList(*book, "1525").empty());
    AnnounceOdds("1519");  // 15:24 is
    EXPECT_FALSE(OddsAreFresh((*book)[4]));
}

TEST(FetchSchedule, ResultsAndChangeWindowsAroundTheFirstPost) {
    EXPECT_FALSE(ResultsFetchDue("0930", "1005", 5));
    EXPECT_TRUE(ResultsFetchDue("0931", "1005", 5));
    EXPECT_TRUE(ResultsFetchDue("1800", "1005", 5));
    EXPECT_FALSE(ResultsFetchDue("1801", "1005", 5));
    EXPECT_FALSE(ChangeFetchDue("0900", "1005", 5));
    EXPECT_TRUE(ChangeFetchDue("0901", "1005", 5));
}

TEST(FetchSchedule, AnEarlyOrLateFirstPostKeepsTheDaysWindowsOpen) {
    // "0000" less 35 minutes must not wrap to 23:25 and shut the windows for the day.
    EXPECT_TRUE(ResultsFetchDue("1000", "0000", 5));
    EXPECT_TRUE(ChangeFetchDue("1000", "0000", 5));
    EXPECT_TRUE(ResultsFetchDue("0030", "0020", 5));
    EXPECT_FALSE(ResultsFetchDue("0000", "0020", 5));
    EXPECT_TRUE(ResultsFetchDue("1845", "1845", 5)) << "the schedule ends no earlier than the post";
    EXPECT_FALSE(ResultsFetchDue("1846", "1845", 5));
}

TEST(FetchSchedule, TimerMinutesStayWithinADay) {
    const struct {
        int64_t minutes;
        int ms;
    } cases[] = {{10, 600000},
                 {1, 60000},
                 {0, 60000},
                 {-7, 60000},
                 {1440, 86400000},
                 {40000, 86400000},
                 {int64_t{1} << 40, 86400000}};
    for (const auto& c : cases)
        EXPECT_EQ(c.ms, TimerIntervalMs(c.minutes)) << c.minutes;
}

TEST(FetchSchedule, ClockAndCountdownTexts) {
    EXPECT_TEXT_EQ("14時05分09秒", ClockText({2024, 1, 6, 14, 5, 9}));
    test::RaceSpec race{"20240106", "05", 11};
    race.postTime = "1535";
    std::string info = test::RaceRecord(race);
    EXPECT_TEXT_EQ("発走までの残り時間：01:29:51", CountdownText(info, {2024, 1, 6, 14, 5, 9}));
    EXPECT_TEXT_EQ("発走済み", CountdownText(info, {2024, 1, 6, 15, 35, 0}));
    EXPECT_TEXT_EQ("発走済み", CountdownText(info, {2024, 1, 7, 9, 0, 0}));
}

}  // namespace
}  // namespace kagiroi
