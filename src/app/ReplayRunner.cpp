#include "app/ReplayRunner.h"

#include "odds/TimeSeriesOdds.h"
#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/SettingsTable.h"
#include "records/CalibrationRaces.h"

namespace kagiroi {

ReplaySource ReplayRunner::CurrentReplaySource() {
    ReplaySource source{c_.programFolder,
                        c_.FreshRaceSettings(),
                        c_.rates,
                        ReadIntSetting(c_.settings, setting::kOddsMinutesBefore),
                        std::nullopt,
                        std::nullopt,
                        false};
    // The viewer's folder when one is chosen, else the history the program keeps itself.
    std::string history = c_.timeSeries->ChartFolder();
    if (DirectoryExists(history)) source.oddsHistory = history;
    return source;
}

ReplaySource ReplayRunner::ReplaySourceWithOdds(std::optional<bool> bettime) {
    ReplaySource source = CurrentReplaySource();
    source.bettime = bettime.value_or(source.oddsHistory.has_value());
    return source;
}

bool ReplayRunner::ShowReplayProgress(const ReplayProgress& progress) {
    ProgressDialogState& dialog = c_.status.Progress;
    dialog.visible = true;
    dialog.maximum = progress.raceCount;
    dialog.position = progress.race;
    dialog.line1 = progress.dayText;
    if (progress.dayCount > 1)
        dialog.line1 += Format("（%d／%d日目）", progress.day, progress.dayCount);
    dialog.line2 = progress.raceCount > 0
                       ? Format("%s を計算しています（%d／%d）", progress.raceText.c_str(),
                                progress.race, progress.raceCount)
                       : "レースデータを読み込んでいます。";
    c_.NotifyChanged();
    c_.ports.ui.Repaint();
    return true;
}

ReplaySummary ReplayRunner::EndReplay(ReplaySummary summary) {
    c_.LogAll(summary.problems);
    c_.status.Progress.visible = false;
    c_.NotifyChanged();
    // One line for them all, instead of a message for each race a click could not show.
    if (summary.racesWithoutData > 0)
        c_.ports.ui.ShowMessage(RacesWithoutDataText(summary.racesWithoutData));
    return summary;
}

ReplaySummary ReplayRunner::ReplayLoadedDay(const RaceVisitor& visit) {
    if (!c_.DayChosen()) return {};
    return EndReplay(ReplayBook(
        *c_.book, c_.dayList.DateIndex, CurrentReplaySource(), visit,
        [this](const ReplayProgress& progress) { return ShowReplayProgress(progress); }));
}

std::vector<ReplayDay> ReplayRunner::StoredDays(const std::vector<int>& dateIndexes) const {
    std::vector<ReplayDay> days;
    for (int index : dateIndexes)
        if (index >= 0 && index < static_cast<int>(c_.dayList.DateList.size()))
            days.push_back({index, c_.dayList.DateList[static_cast<size_t>(index)]});
    return days;
}

ReplaySummary ReplayRunner::ReplayDays(const std::vector<int>& dateIndexes,
                                       const RaceVisitor& visit) {
    return EndReplay(ReplayStoredDays(
        StoredDays(dateIndexes), CurrentReplaySource(), visit,
        [this](const ReplayProgress& progress) { return ShowReplayProgress(progress); }));
}

std::vector<ReplayDay> ReplayRunner::StoredDaysBetween(const std::string& from,
                                                       const std::string& to) const {
    return StoredDays(DatesInRange(c_.dayList.DateList, from, to));
}

BacktestResult ReplayRunner::Backtest(const std::string& from, const std::string& to,
                                      const BacktestStakes& stakes, int jobs,
                                      std::optional<bool> bettime) {
    BacktestResult result = RunBacktest(
        StoredDaysBetween(from, to), ReplaySourceWithOdds(bettime), stakes,
        [this](const ReplayProgress& progress) { return ShowReplayProgress(progress); }, jobs);
    ReplaySummary summary;
    summary.racesWithoutData = result.racesWithoutData;
    EndReplay(summary);
    return result;
}

CalibrationReport ReplayRunner::Calibrate(const std::string& from, const std::string& to,
                                          int jobs) {
    CalibrationSample sample =
        GatherCalibrationRaces(StoredDaysBetween(from, to), c_.programFolder, c_.rates, jobs);
    c_.LogAll(sample.problems);
    return kagiroi::Calibrate(sample.races, sample.leftOut);
}

}  // namespace kagiroi
