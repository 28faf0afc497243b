#include "odds/OddsMovement.h"

#include "odds/OddsImport.h"
#include "odds/OddsTestRecords.h"
#include "odds/TimeSeriesLayout.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kagiroi {
namespace {

using test::O1Builder;
using Rows = std::vector<std::vector<std::string>>;

TEST(OddsMovementTest, AnnouncementsOfTheRaceDayInTimeOrderOncePerTime) {
    test::TempFolder folder;
    RaceSlot slot;
    slot.RaceInfo = test::RaceRecord("05", 11, 3);
    slot.FetchTimes = {"1530", "1535", "1540"};
    auto path = TimeSeriesFile(folder.Path(), slot.RaceInfo, OddsKind::O1);
    ASSERT_TRUE(path);
    test::WriteDayFile(*path,
                       {O1Builder("05", 11).Announced("01061525").Win(1, "0031").Win(2, "----"),
                        O1Builder("05", 11).Announced("01061410").Win(1, "0352").Win(3, "0120"),
                        O1Builder("05", 11).Announced("01061525").Win(1, "9999"),
                        O1Builder("05", 11).Announced("01051500").Win(1, "0010")});

    OddsMovement movement = ReadOddsMovement(slot, folder.Path());
    EXPECT_EQ(15 * 60 + 30, movement.fetchMinutes);
    Rows expected{
        {"発表", "1", "2", "3"}, {"14:10", "35.2", "", "12.0"}, {"15:25", "3.1", "取消", ""}};
    Rows rows = OddsMovementRows(movement);
    ASSERT_EQ(expected.size(), rows.size());
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            EXPECT_TEXT_EQ(expected[r][c], rows[r][c]) << r << "," << c;

    OddsChartAxes axes = ChartAxesFor(movement);
    EXPECT_EQ((std::vector<double>{1, 2, 5, 10, 20, 50}), axes.oddsTicks);
    EXPECT_DOUBLE_EQ(0.0, axes.OddsPosition(1.0));
    EXPECT_DOUBLE_EQ(0.5, axes.OddsPosition(std::sqrt(50.0)));
    EXPECT_EQ(14 * 60 + 10, axes.firstMinute);
    EXPECT_EQ(15 * 60 + 30, axes.lastMinute);  // the fetch time is on the chart
    EXPECT_EQ((std::vector<int>{14 * 60 + 30, 15 * 60, 15 * 60 + 30}), axes.minuteTicks);
}

// One announcement stands mid-chart; frame 1's white line is drawn black, the others keep
// their frame's colour.
TEST(OddsMovementTest, ALoneAnnouncementAndTheLineColours) {
    OddsMovement movement;
    movement.runners = 3;
    movement.frames = {0, 1, 3, 0};
    movement.announcements.push_back({15 * 60, {kBlankOdds, 2.5, 14.0, 3.0}});
    OddsChartAxes axes = ChartAxesFor(movement);
    EXPECT_DOUBLE_EQ(0.5, axes.MinutePosition(15 * 60));
    EXPECT_EQ(colors::kBlack, HorseLineColour(movement, 1));
    EXPECT_EQ(colors::kRed, HorseLineColour(movement, 2));
    EXPECT_EQ(colors::kBlack, HorseLineColour(movement, 3));  // frame unknown
}

}  // namespace
}  // namespace kagiroi
