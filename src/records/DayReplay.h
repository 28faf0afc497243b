#pragma once

#include "analysis/Favourites.h"
#include "analysis/RaceHeader.h"
#include "analysis/ResultsPage.h"
#include "daystore/RaceSlot.h"
#include "selection/BetTables.h"
#include "session/DayLoading.h"
#include "session/RaceSettings.h"
#include "stakes/PopularityRates.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

class RaceSession;

// A race as a click on it shows it: its records, header, favourites, results page and every
// bet table with its totals. A race without the data to analyse comes with a blank card and
// empty tables. The references hold until the visitor returns.
struct ReplayedRace {
    int dateIndex;  // the number the caller gave the race's day (its date box entry)
    int item;       // race list item (and slot)
    const RaceSlot& slot;
    const RaceHeaderTexts& header;
    const FavouriteTexts& favourites;
    const std::array<PayoutGroupTexts, 8>& results;
    const BetBoard& bets;
    // The session the race is open in, for a visitor that stakes it again; null for a race
    // without the data to analyse.
    RaceSession* session = nullptr;
};

// Where a replay is: race `race` of `raceCount` of day `day` of `dayCount` (1 and 1 for a
// single day); race 0 while the day is being read.
struct ReplayProgress {
    int day = 0, dayCount = 0;
    std::string dayText;
    int race = 0, raceCount = 0;
    std::string raceText;
};

using RaceVisitor = std::function<void(const ReplayedRace&)>;
// Told before each day and each race; false stops the replay there.
using ReplayProgressReport = std::function<bool(const ReplayProgress&)>;

struct ReplaySummary {
    int days = 0;              // days replayed
    int skippedDays = 0;       // days without a race
    int races = 0;             // races visited
    int racesWithoutData = 0;  // of them, races without the data to analyse
    bool cancelled = false;
    std::vector<std::string> problems;  // what the day loads found damaged, for the error log
    // With odds of the moment of betting: the races that had an announcement for it, and those
    // left with their stored odds.
    int racesAtBettime = 0, racesAtStoredOdds = 0;
};

// The one line a replay tells instead of a message for each race without its data.
std::string RacesWithoutDataText(int count);

// A stored day to replay, with the number the visitor sees it by.
struct ReplayDay {
    int dateIndex = 0;
    std::string day;  // the date box's text of the day
};

// What a replay analyses with: the program folder's day store, the settings snapshot and the
// popularity rates. A stored day's races start with the settings' default amount.
struct ReplaySource {
    std::string programFolder;
    RaceSettings settings;
    const PopularityRateTables& rates;
    int oddsMinutesBefore = 10;
    // Every race's amount instead of the race's own (a sweep shares one read of a day).
    std::optional<int> amount;
    // The time-series folder the odds of the moment of betting come from (the viewer's when
    // chosen, else the program's own history); nothing when there is none.
    std::optional<std::string> oddsHistory;
    // The stored days replayed with those odds (TakeBettimeOdds) instead of the stored ones.
    bool bettime = false;
};

// Every race of a loaded day, first to last, each analysed in a race session of its own
// exactly as a click on it would show it; nothing is stored and no setting is written.
ReplaySummary ReplayBook(const DayBook& book, int dateIndex, const ReplaySource& source,
                         const RaceVisitor& visit, const ReplayProgressReport& progress = {},
                         int day = 1, int dayCount = 1);

// A day read from the store, at the odds the source asks for: with `bettime` each race takes
// the announcement of the moment of betting where the history has one (in memory), and the
// summary counts the races that did and did not.
void TakeReplayOdds(DayBook& book, const ReplaySource& source, ReplaySummary& summary);

// Every race of each stored day in turn, each day read afresh from the store; with `bettime`
// and a history, at the odds of the moment of betting, in memory.
ReplaySummary ReplayStoredDays(const std::vector<ReplayDay>& days, const ReplaySource& source,
                               const RaceVisitor& visit, const ReplayProgressReport& progress = {});

// The entries of the date box that belong to `year` (their first 4 bytes), in list order.
std::vector<int> DatesOfYear(const std::vector<std::string>& dates, const std::string& year);

}  // namespace kagiroi
