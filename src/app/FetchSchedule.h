#pragma once

#include "daystore/RaceSlot.h"
#include "platform/DateTime.h"

#include <string>
#include <vector>

namespace kagiroi {

// Decisions of the race-day timers. Times are "hhmm" texts compared as texts.

// A race's odds are fresh when its win odds record is there and was announced no more than
// five minutes before the race's first fetch time.
bool OddsAreFresh(const RaceSlot& slot);

// The races the automatic odds fetch asks for now: those whose first or second fetch time is
// this minute and whose odds are not fresh. Each entry is the race key followed by the slot
// number in two places.
std::vector<std::string> BuildAutoFetchList(const DayBook& book, const std::string& nowHhmm);

// Results and mining are fetched until 18:00 (or the first post, when that is later), from
// G + 30 minutes before the first post on. The windows do not wrap round midnight.
bool ResultsFetchDue(const std::string& nowHhmm, const std::string& firstPost, int changeInterval);
// Change information is fetched from G + 60 minutes before the first post on.
bool ChangeFetchDue(const std::string& nowHhmm, const std::string& firstPost, int changeInterval);

// A timer's minutes from the settings, kept within 1 to 1440 (a day).
int ScheduleMinutes(int64_t minutes);
// Those minutes as a timer interval, computed without overflow.
int TimerIntervalMs(int64_t minutes);

// "14時05分09秒".
std::string ClockText(const DateTime& now);
// "発走までの残り時間：hh:nn:ss" before the post of the race, "発走済み" after it.
std::string CountdownText(const std::string& raceInfo, const DateTime& now);
// The race's post time "hh:mm" once it has passed (the status line says 発走済み); empty before
// it and for a race without a date.
std::string PassedPostTime(const std::string& raceInfo, const DateTime& now);

}  // namespace kagiroi
