#pragma once

#include "daystore/RaceSlot.h"
#include "platform/Color.h"

#include <array>
#include <string>
#include <vector>

namespace kagiroi {

// How a race's win odds moved over its day: one row per announcement of the race's own day, in
// time order (the first line of a time found when a file holds it twice).
struct OddsMovement {
    struct Announcement {
        int minutes = 0;                                // after midnight
        std::array<double, kMaxRunners + 1> winOdds{};  // by horse; kBlankOdds, kCancelledOdds
    };
    std::string title;  // the race and what is shown
    int runners = 0;
    std::vector<Announcement> announcements;
    std::array<int, kMaxRunners + 1> frames{};  // frame of each horse, 0 unknown
    int fetchMinutes = -1;                      // the race's first odds-fetch time; -1 none
    std::vector<std::string> problems;          // for the error log
};

// Reads the race's win odds file of the time-series folder.
OddsMovement ReadOddsMovement(const RaceSlot& slot, const std::string& folder);

// "hh:mm" of minutes after midnight.
std::string ClockText(int minutes);

// The table of announcements × horses: a header row (the announcement heading and the horse
// numbers), then one row per announcement: its time and each horse's win odds with one
// decimal, the cancellation word when cancelled, empty when blank.
std::vector<std::vector<std::string>> OddsMovementRows(const OddsMovement& movement);

// The chart's axes. Odds run on a log scale between two round values; times between the first
// and last announcement (and the fetch time).
struct OddsChartAxes {
    double lowOdds = 1.0, highOdds = 10.0;
    std::vector<double> oddsTicks;  // 1, 2, 5, 10, 20, 50 ... within the range
    int firstMinute = 0, lastMinute = 1;
    std::vector<int> minuteTicks;  // on whole quarter or half hours, at most about eight
    // From 0 at the lowest odds to 1 at the highest, and from 0 at the first minute to 1 at the
    // last.
    double OddsPosition(double odds) const;
    double MinutePosition(int minutes) const;
};
OddsChartAxes ChartAxesFor(const OddsMovement& movement);

// A horse's line colour: its frame's colour, black for frame 1 (white) and unknown frames.
Rgb HorseLineColour(const OddsMovement& movement, int horse);

// What the chart shows when there is nothing to draw.
std::string OddsChartEmptyText();

}  // namespace kagiroi
