#pragma once

#include "demo/DemoCatalogue.h"
#include "demo/DemoDay.h"
#include "demo/DemoOdds.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace kagiroi {

// The demo's race days as the service sees them: days are built when first asked for and kept
// for a while (a download reads several files of the same day in turn), together with each
// race's final odds, which results, payouts and final odds records all need.
class DemoWorld {
  public:
    explicit DemoWorld(const DateTime& today) : calendar_(today) {}

    void SetToday(const DateTime& today) { calendar_ = DemoCalendar(today); }
    const DemoCalendar& Calendar() const { return calendar_; }

    // Null when the date is no race day.
    const DemoDay* Day(const DateTime& date);
    const DemoOddsBook& FinalOdds(const DemoRace& race);
    // The announcement a race day's first automatic odds fetch would have kept in the odds
    // history (at the fetch schedule's default lead before the post): the stored odds files
    // carry it before the final odds, so that a past day can be replayed at the odds of the
    // moment of betting too.
    const DemoOddsBook& BettingOdds(const DemoRace& race);

    // The records of a stored-data file.
    std::vector<std::string> RecordsOf(const DemoFileEntry& file);

    // Real-time answers at a moment; empty when there is nothing yet.
    std::vector<std::string> RaceOdds(const DemoRace& race, int64_t now);
    std::vector<std::string> DayResults(const DemoDay& day, int64_t now);
    std::vector<std::string> DayMining(const DemoDay& day, int64_t now);
    std::vector<std::string> DayChanges(const DemoDay& day, int64_t now);

  private:
    struct CachedDay {
        std::unique_ptr<DemoDay> day;
        std::map<const DemoRace*, std::unique_ptr<DemoOddsBook>> finals, bettings;
    };
    static constexpr size_t kDaysKept = 6;

    std::vector<std::string> RaceAndRunners(const DemoRace& race, DemoStage stage,
                                            const DateTime& created, bool runners);

    DemoCalendar calendar_;
    std::map<int, CachedDay> days_;  // by yyyymmdd
    std::vector<int> dayOrder_;      // oldest first, for evicting
};

}  // namespace kagiroi
