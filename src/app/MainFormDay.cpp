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
    FlushStore();
    dayList_.DateList = kagiroi::BuildDateList(programFolder_);
    dayList_.DateIndex = -1;
}

void TMainForm::DateListChange(int index) {
    if (index < 0 || index >= static_cast<int>(dayList_.DateList.size())) return;
    dayList_.DateIndex = index;
    dayList_.DateText = dayList_.DateList[static_cast<size_t>(index)];
    LoadDay(dayList_.DateText);
}

void TMainForm::ResetRaceStates() {
    dayList_.SelectedRace = -1;
    shownRace_ = -1;
    session_.Forget();
}

void TMainForm::LoadDay(const std::string& day, bool startFetches) {
    FlushStore();
    bool today = IsToday(day);
    status_.RemainingTimeLabel.visible = today;
    status_.RemainingTimeLabel.text.clear();
    status_.RacePagesVisible = false;
    dayList_.RaceList.clear();
    lossReg_->SetRaces({});
    timers_.ResultsTimer.enabled = false;
    ResetRaceStates();
    if (mailer_) mailer_->ClearDelivered();

    book_->day = day;
    book_->paths = PathsForDay(programFolder_, day);
    unreadableOddsFiles_.clear();
    if (!FileExists(book_->paths.raceFile)) {
        ports_.ui.Beep();
        ports_.ui.ShowMessage("データ作成が未完了のようです。");
        return;
    }

    // The day's files are read as one set: no other program's store lands between two reads.
    FolderLock lock;
    if (!lock.Held()) {
        ReportFileFailure(
            DescribeFailure(book_->paths.raceFile + " を読み込めませんでした", lock.Error()));
        return;
    }
    status_.Progress = {true, 35, 0, "レースデータを読み込んでいます。", day};
    NotifyChanged();
    ports_.ui.Repaint();
    DayLoadProblems problems;
    DayLoadSettings load{ReadIntSetting(settings_, setting::kOddsMinutesBefore),
                         ReadDefaultAmount(settings_)};
    ReadStoredDay(
        *book_, oddsFiles_, load,
        [this] {
            ++status_.Progress.position;
            NotifyChanged();
            ports_.ui.Repaint();
        },
        problems);
    lock.Release();
    LogAll(problems.logLines);
    // One message for the whole day, however many races the bad files hold.
    TellUnreadableOdds(NotToldYet(problems.unreadableOddsFiles));
    FillRaceLists();
    status_.Progress.visible = false;

    timers_.ResultsTimer.intervalMs =
        TimerIntervalMs(ScheduleMinutes(ReadIntSetting(settings_, setting::kResultsInterval)));
    timers_.ResultsTimer.enabled = today;
    if (today && startFetches) StartCurrentDayFetches();
    if (!dayList_.RaceList.empty()) DatListClick(0);
    NotifyChanged();
}

void TMainForm::FillRaceLists() {
    dayList_.RaceList.clear();
    std::vector<LossRace> lossRaces;
    for (const auto& slot : book_->slots) {
        if (slot.IsEmpty()) continue;
        dayList_.RaceList.push_back(RaceListText(slot));
        lossRaces.push_back({dayList_.RaceList.back(), LossRaceKey(slot.RaceInfo)});
    }
    lossReg_->SetRaces(std::move(lossRaces));
}

bool TMainForm::NextRaceClick() {
    if (!RequireLoadedDay(false)) return false;
    std::string firstDate = FieldAt(Book()[0].RaceInfo, RaceHead::Date);
    if (firstDate != FormatDateTime(ports_.clock.Now(), "yyyymmdd")) return false;
    int slot = NextRaceSlot(Book(), static_cast<int>(dayList_.RaceList.size()),
                            FormatDateTime(ports_.clock.Now(), "hhnn"));
    if (slot < 0) return false;
    DatListClick(slot);
    return true;
}

void TMainForm::FButtonClick() {
    status_.RaceListPanelVisible = !status_.RaceListPanelVisible;
}

void TMainForm::AfterDownload() {
    // A cancel belongs to the download it stopped: the race-day fetches must not stay stopped.
    downloadCancelFlag_ = false;
    // The date box comes back empty: no day is chosen, so the timers fetch nothing.
    dayList_.DateText.clear();
    dayList_.RaceList.clear();
    lossReg_->SetRaces({});
    dayList_.SelectedRace = -1;
    session_.Forget();
    status_.RacePagesVisible = false;
    std::vector<std::string> before = dayList_.DateList;
    BuildDateList();
    FileFailure failure;
    rates_ = Rebuild(programFolder_, &failure);
    if (!failure.shown.empty()) ReportFileFailure(failure);
    // A download that stored new days shows the newest day at once.
    bool newDays = std::any_of(
        dayList_.DateList.begin(), dayList_.DateList.end(), [&](const std::string& day) {
            return std::find(before.begin(), before.end(), day) == before.end();
        });
    if (newDays) {
        auto newest = std::max_element(dayList_.DateList.begin(), dayList_.DateList.end());
        DateListChange(static_cast<int>(newest - dayList_.DateList.begin()));
    }
    NotifyChanged();
}

std::string TMainForm::GuidanceText() const {
    if (status_.RacePagesVisible) return {};
    if (dayList_.DateList.empty())
        return "まだレースデータがありません。\n\n"
               "1. ツールバーの［JVデータ取得］を押します。\n"
               "2. 開いた画面で［データ取込］を押すと、レースデータが取り込まれます。\n"
               "3. 取込が終わると、最新の開催日が読み込まれます。";
    if (!DayChosen()) return "左上の日付欄から開催日を選んでください。";
    return "レース一覧からレースを選んでください。";
}

}  // namespace kagiroi
