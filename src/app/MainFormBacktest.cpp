#include "app/TMainForm.h"
#include "daystore/DayFiles.h"
#include "stakes/RaceAmounts.h"

namespace kagiroi {

BacktestResult TMainForm::Backtest(const std::string& from, const std::string& to,
                                   const BacktestStakes& stakes) {
    BacktestTally tally;
    int userMode = betting_.RadioGroup1;
    if (stakes.mode) betting_.RadioGroup1 = *stakes.mode;
    backtestAmount_ = stakes.amount;
    ReplaySummary summary =
        ReplayDays(DatesInRange(dayList_.DateList, from, to), [&](const ReplayedRace& race) {
            const std::string& day = dayList_.DateList[static_cast<size_t>(race.dateIndex)];
            tally.AddRace(DateOfDayText(day).value_or(day), race.bets, RaceHasResult(race.slot));
        });
    tally.SkipDays(summary.skippedDays);
    betting_.RadioGroup1 = userMode;
    // The day chosen again after the replay took the backtest's stakes: it gets the user's.
    if (stakes.amount || stakes.mode) {
        backtestAmount_.reset();
        if (DayChosen()) ResetRaceAmounts(*book_, ReadDefaultAmount(settings_));
        ShowSelectedRaceAgain();
    }
    return tally.Result();
}

}  // namespace kagiroi
