#include "app/TMainForm.h"
#include "platform/Format.h"
#include "platform/SettingsTable.h"

namespace kagiroi {

ReplaySource TMainForm::CurrentReplaySource() {
    return {programFolder_, FreshRaceSettings(), rates_,
            ReadIntSetting(settings_, setting::kOddsMinutesBefore), std::nullopt};
}

bool TMainForm::ShowReplayProgress(const ReplayProgress& progress) {
    ProgressDialogState& dialog = status_.Progress;
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
    NotifyChanged();
    ports_.ui.Repaint();
    return true;
}

ReplaySummary TMainForm::EndReplay(ReplaySummary summary) {
    LogAll(summary.problems);
    status_.Progress.visible = false;
    NotifyChanged();
    // One line for them all, instead of a message for each race a click could not show.
    if (summary.racesWithoutData > 0)
        ports_.ui.ShowMessage(RacesWithoutDataText(summary.racesWithoutData));
    return summary;
}

ReplaySummary TMainForm::ReplayLoadedDay(const RaceVisitor& visit) {
    if (!DayChosen()) return {};
    return EndReplay(ReplayBook(
        *book_, dayList_.DateIndex, CurrentReplaySource(), visit,
        [this](const ReplayProgress& progress) { return ShowReplayProgress(progress); }));
}

std::vector<ReplayDay> TMainForm::StoredDays(const std::vector<int>& dateIndexes) const {
    std::vector<ReplayDay> days;
    for (int index : dateIndexes)
        if (index >= 0 && index < static_cast<int>(dayList_.DateList.size()))
            days.push_back({index, dayList_.DateList[static_cast<size_t>(index)]});
    return days;
}

ReplaySummary TMainForm::ReplayDays(const std::vector<int>& dateIndexes, const RaceVisitor& visit) {
    return EndReplay(ReplayStoredDays(
        StoredDays(dateIndexes), CurrentReplaySource(), visit,
        [this](const ReplayProgress& progress) { return ShowReplayProgress(progress); }));
}

std::vector<ReplayDay> TMainForm::StoredDaysBetween(const std::string& from,
                                                    const std::string& to) const {
    return StoredDays(DatesInRange(dayList_.DateList, from, to));
}

BacktestResult TMainForm::Backtest(const std::string& from, const std::string& to,
                                   const BacktestStakes& stakes, int jobs) {
    BacktestResult result = RunBacktest(
        StoredDaysBetween(from, to), CurrentReplaySource(), stakes,
        [this](const ReplayProgress& progress) { return ShowReplayProgress(progress); }, jobs);
    ReplaySummary summary;
    summary.racesWithoutData = result.racesWithoutData;
    EndReplay(summary);
    return result;
}

}  // namespace kagiroi
