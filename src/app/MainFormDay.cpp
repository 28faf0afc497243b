#include "app/FetchSchedule.h"
#include "app/TMainForm.h"
#include "daystore/DayFiles.h"
#include "daystore/DayRecords.h"
#include "daystore/RaceDay.h"
#include "mail/Mailer.h"
#include "platform/FileSystem.h"
#include "platform/FolderLock.h"
#include "platform/Format.h"
#include "platform/SettingsTable.h"
#include "platform/TextField.h"
#include "session/DayLoading.h"
#include "stakes/PopularityRateFile.h"
#include "stakes/RaceAmounts.h"

#include <algorithm>

namespace kagiroi {

void TMainForm::BuildDateList() {
    c_.FlushStore();
    c_.dayList.DateList = kagiroi::BuildDateList(c_.programFolder);
    c_.dayList.DateIndex = -1;
}

void TMainForm::DateListChange(int index) {
    if (index < 0 || index >= static_cast<int>(c_.dayList.DateList.size())) return;
    c_.dayList.DateIndex = index;
    c_.dayList.DateText = c_.dayList.DateList[static_cast<size_t>(index)];
    LoadDay(c_.dayList.DateText);
}

void TMainForm::ResetRaceStates() {
    c_.dayList.SelectedRace = -1;
    c_.shownRace = -1;
    c_.session.Forget();
    race_.ForgetEdits();
}

void TMainForm::LoadDay(const std::string& day) {
    c_.FlushStore();
    bool today = c_.IsToday(day);
    c_.status.RemainingTimeLabel.visible = today;
    c_.status.RemainingTimeLabel.text.clear();
    c_.status.RacePagesVisible = false;
    c_.dayList.RaceList.clear();
    c_.lossReg->SetRaces({});
    c_.timers.ResultsTimer.enabled = false;
    ResetRaceStates();
    mail_.DayLoaded();

    c_.book->day = day;
    c_.book->paths = PathsForDay(c_.programFolder, day);
    c_.unreadableOddsFiles.clear();
    if (!FileExists(c_.book->paths.raceFile)) {
        c_.ports.ui.Beep();
        c_.ports.ui.ShowMessage("データ作成が未完了のようです。");
        return;
    }

    // The day's files are read as one set: no other program's store lands between two reads.
    FolderLock lock;
    if (!lock.Held()) {
        c_.ReportFileFailure(
            DescribeFailure(c_.book->paths.raceFile + " を読み込めませんでした", lock.Error()));
        return;
    }
    c_.status.Progress = {true, 35, 0, "レースデータを読み込んでいます。", day};
    c_.NotifyChanged();
    c_.ports.ui.Repaint();
    DayLoadProblems problems;
    DayLoadSettings load{ReadIntSetting(c_.settings, setting::kOddsMinutesBefore),
                         ReadDefaultAmount(c_.settings)};
    ReadStoredDay(
        *c_.book, c_.oddsFiles, load,
        [this] {
            ++c_.status.Progress.position;
            c_.NotifyChanged();
            c_.ports.ui.Repaint();
        },
        problems);
    lock.Release();
    c_.LogAll(problems.logLines);
    // One message for the whole day, however many races the bad files hold.
    c_.TellUnreadableOdds(c_.NotToldYet(problems.unreadableOddsFiles));
    FillRaceLists();
    c_.status.Progress.visible = false;

    c_.timers.ResultsTimer.intervalMs =
        TimerIntervalMs(ScheduleMinutes(ReadIntSetting(c_.settings, setting::kResultsInterval)));
    c_.timers.ResultsTimer.enabled = today;
    // The automatic fetches follow the loaded day: another day's races must not be fetched at
    // today's times.
    if (today)
        fetches_.StartCurrentDayFetches();
    else
        fetches_.StopCurrentDayFetches();
    // Shown before the first race is chosen: a message about that race may wait for the user,
    // and the window's timers and popup must not wait with it.
    c_.NotifyChanged();
    if (!c_.dayList.RaceList.empty()) race_.DatListClick(0);
    c_.NotifyChanged();
}

void TMainForm::FillRaceLists() {
    c_.dayList.RaceList.clear();
    std::vector<LossRace> lossRaces;
    for (const auto& slot : c_.book->slots) {
        if (slot.IsEmpty()) continue;
        c_.dayList.RaceList.push_back(RaceListText(slot));
        lossRaces.push_back({c_.dayList.RaceList.back(), LossRaceKey(slot.RaceInfo)});
    }
    c_.lossReg->SetRaces(std::move(lossRaces));
}

bool TMainForm::NextRaceClick() {
    if (!c_.RequireLoadedDay(false)) return false;
    std::string firstDate = FieldAt(Book()[0].RaceInfo, RaceHead::Date);
    if (firstDate != FormatDateTime(c_.ports.clock.Now(), "yyyymmdd")) return false;
    int slot = NextRaceSlot(Book(), static_cast<int>(c_.dayList.RaceList.size()),
                            FormatDateTime(c_.ports.clock.Now(), "hhnn"));
    if (slot < 0) return false;
    race_.DatListClick(slot);
    return true;
}

void TMainForm::FButtonClick() {
    c_.status.RaceListPanelVisible = !c_.status.RaceListPanelVisible;
}

void TMainForm::AfterDownload() {
    // A cancel belongs to the download it stopped: the race-day fetches must not stay stopped.
    c_.downloadCancelFlag = false;
    std::string loaded = c_.DayChosen() ? c_.dayList.DateText : std::string();
    int selected = c_.dayList.SelectedRace;
    c_.dayList.DateText.clear();
    c_.dayList.RaceList.clear();
    c_.lossReg->SetRaces({});
    c_.dayList.SelectedRace = -1;
    c_.session.Forget();
    race_.ForgetEdits();
    c_.status.RacePagesVisible = false;
    std::vector<std::string> before = c_.dayList.DateList;
    BuildDateList();
    FileFailure failure;
    c_.rates = Rebuild(c_.programFolder, &failure);
    if (!failure.shown.empty()) c_.ReportFileFailure(failure);
    const auto& days = c_.dayList.DateList;
    bool newDays = std::any_of(days.begin(), days.end(), [&](const std::string& day) {
        return std::find(before.begin(), before.end(), day) == before.end();
    });
    // New days bring the day being bet on; otherwise (nothing new, or only the data source
    // changed in the dialog) the loaded day comes back with what the download added to it.
    auto kept = std::find(days.begin(), days.end(), loaded);
    int show = newDays ? DayToShow(days, FormatDateTime(c_.ports.clock.Now(), "yyyymmdd"))
               : kept != days.end() ? static_cast<int>(kept - days.begin())
                                    : -1;
    if (show >= 0) {
        DateListChange(show);
        if (c_.dayList.DateText == loaded && selected > 0 &&
            selected < static_cast<int>(c_.dayList.RaceList.size()))
            race_.DatListClick(selected);
    }
    c_.NotifyChanged();
}

void TMainForm::LoadTodayIfStored() {
    auto today = DayTextFromDate(FormatDateTime(c_.ports.clock.Now(), "yyyymmdd"));
    const auto& days = c_.dayList.DateList;
    auto found = today ? std::find(days.begin(), days.end(), *today) : days.end();
    if (found != days.end()) DateListChange(static_cast<int>(found - days.begin()));
}

std::string TMainForm::GuidanceText() const {
    if (c_.status.RacePagesVisible) return {};
    if (c_.dayList.DateList.empty())
        return "まだレースデータがありません。\n\n"
               "1. ツールバーの［JVデータ取得］を押します。\n"
               "2. 開いた画面で［データ取込］を押すと、レースデータが取り込まれます。\n"
               "3. 取込が終わると、最新の開催日が読み込まれます。";
    if (!c_.DayChosen()) return "左上の日付欄から開催日を選んでください。";
    return "レース一覧からレースを選んでください。";
}

}  // namespace kagiroi
