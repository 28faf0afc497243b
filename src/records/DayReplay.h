#pragma once

#include "analysis/Favourites.h"
#include "analysis/RaceHeader.h"
#include "analysis/ResultsPage.h"
#include "daystore/RaceSlot.h"
#include "selection/BetTables.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace kagiroi {

// A race as the screen shows it right after a click on it: its records, header, favourites,
// results page and every bet table with its totals. The references hold until the next click.
struct ReplayedRace {
    int dateIndex;  // entry of the date box the race belongs to
    int item;       // race list item (and slot)
    const RaceSlot& slot;
    const RaceHeaderTexts& header;
    const FavouriteTexts& favourites;
    const std::array<PayoutGroupTexts, 8>& results;
    const BetBoard& bets;
};

// Where a replay is: race `race` of `raceCount` of the loaded day, which is day `day` of
// `dayCount` (1 and 1 for a single day).
struct ReplayProgress {
    int day = 0, dayCount = 0;
    std::string dayText;
    int race = 0, raceCount = 0;
    std::string raceText;
};

struct ReplaySummary {
    int days = 0;         // days replayed
    int skippedDays = 0;  // days without a race
    int races = 0;
    int racesWithoutData = 0;  // races a click could not show (no runners yet)
};

// The one line a replay tells instead of a message for each race without its data.
std::string RacesWithoutDataText(int count);

// What a replay drives: the date box and the race list of the main form, reached as a user
// reaches them, so a replayed race is computed exactly as a clicked one.
class ReplayHost {
  public:
    virtual ~ReplayHost() = default;
    virtual const std::vector<std::string>& Dates() const = 0;
    virtual int ChosenDate() const = 0;      // -1 when no day is chosen
    virtual void ChooseDate(int index) = 0;  // as a change of the date box
    virtual const std::vector<std::string>& Races() const = 0;
    virtual int SelectedItem() const = 0;  // -1 when none
    virtual void ClickRace(int item) = 0;  // as a click on the race list
    virtual ReplayedRace Shown(int dateIndex, int item) const = 0;
    // Back to the race selected before the replay, as a click when it was on screen.
    virtual void RestoreRace(int item, bool wasShown) = 0;
    virtual bool ItemShown() const = 0;
    virtual void ShowProgress(const ReplayProgress* progress) = 0;  // nullptr hides it
    // Around the whole replay, the return to the chosen day and race included: a click on a
    // race without its data tells nothing in between, and the end tells the count once.
    virtual void ReplayStarts() = 0;
    virtual void ReplayEnds(const ReplaySummary& summary) = 0;
};

using RaceVisitor = std::function<void(const ReplayedRace&)>;

// Replays stored days race by race through the host. The day and the race chosen before are
// chosen again afterwards; the replay itself stores nothing and changes no setting beyond
// what a click writes back unchanged.
class DayReplay {
  public:
    explicit DayReplay(ReplayHost& host) : host_(host) {}

    // Every race of the loaded day, first to last. Nothing when no day is chosen.
    ReplaySummary ReplayLoadedDay(const RaceVisitor& visit);
    // Every race of each day (date box entries) in turn.
    ReplaySummary ReplayDays(const std::vector<int>& dateIndexes, const RaceVisitor& visit);

  private:
    void ReplayRaces(int day, int dayCount, const RaceVisitor& visit, ReplaySummary& summary);

    ReplayHost& host_;
};

// The entries of the date box that belong to `year` (their first 4 bytes), in list order.
std::vector<int> DatesOfYear(const std::vector<std::string>& dates, const std::string& year);

}  // namespace kagiroi
