#pragma once

#include "app/MainFormContext.h"
#include "model/CalibrationReport.h"
#include "records/Backtest.h"
#include "records/DayReplay.h"

#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

// Replays of stored days for the reports and the backtest: every race analysed in a race
// session of its own, the window's day and race left as they are, the progress dialog showing
// where the replay is.
class ReplayRunner {
  public:
    explicit ReplayRunner(MainFormContext& context) : c_(context) {}

    // Every race of the loaded day (or of each given date box entry), `visit` seeing what a
    // click on it would show.
    ReplaySummary ReplayLoadedDay(const RaceVisitor& visit);
    ReplaySummary ReplayDays(const std::vector<int>& dateIndexes, const RaceVisitor& visit);

    // Every race of the stored days from..to (yyyymmdd) replayed with the settings, or with
    // the stakes given instead of them for this run alone; nothing is stored, no setting
    // changes. With more than one job the days run side by side on worker threads (the same
    // result).
    // With `bettime` (by default, where a history exists) each race is replayed at the odds of
    // the moment of betting where the history has them.
    BacktestResult Backtest(const std::string& from, const std::string& to,
                            const BacktestStakes& stakes, int jobs = 1,
                            std::optional<bool> bettime = std::nullopt);

    // The chances model fitted on every race of the stored days from..to (yyyymmdd) that has
    // odds and a result; nothing is stored and no setting changes.
    CalibrationReport Calibrate(const std::string& from, const std::string& to, int jobs = 1);

    // What a replay analyses with: the day store, the settings as they are now, the rates, the
    // odds history a backtest may take the odds of the moment of betting from (not used unless
    // asked for);
    // and the stored days from..to (yyyymmdd), oldest first, as a replay reads them.
    ReplaySource CurrentReplaySource();
    // The same at the odds of the moment of betting or the stored ones as asked; by default
    // those of the moment of betting where a history exists.
    ReplaySource ReplaySourceWithOdds(std::optional<bool> bettime);
    std::vector<ReplayDay> StoredDaysBetween(const std::string& from, const std::string& to) const;

  private:
    // The progress dialog of a replay; always goes on.
    bool ShowReplayProgress(const ReplayProgress& progress);
    // After a replay: what its day loads found damaged is logged, the progress hidden.
    ReplaySummary EndReplay(ReplaySummary summary);
    // The stored days of date box entries, as a replay reads them.
    std::vector<ReplayDay> StoredDays(const std::vector<int>& dateIndexes) const;

    MainFormContext& c_;
};

}  // namespace kagiroi
