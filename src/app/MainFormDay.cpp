#include "app/FetchSchedule.h"
#include "app/TMainForm.h"
#include "daystore/DayFiles.h"
#include "daystore/DayRecords.h"
#include "daystore/RaceDay.h"
#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/TextField.h"
#include "stakes/PopularityRateFile.h"
#include "stakes/RaceAmounts.h"

#include <algorithm>

namespace kagiroi {

void TMainForm::BuildDateList() {
    FlushStore();
    DateList = kagiroi::BuildDateList(programFolder_);
    DateIndex = -1;
}

void TMainForm::DateListChange(int index) {
    if (index < 0 || index >= static_cast<int>(DateList.size())) return;
    DateIndex = index;
    DateText = DateList[static_cast<size_t>(index)];
    LoadDay(DateText);
}

void TMainForm::ResetRaceStates() {
    SelectedRace = -1;
    shownRace_ = -1;
    RaceListIndex = -1;
    OddsTargetRace = 0;
}

void TMainForm::LoadDay(const std::string& day) {
    FlushStore();
    bool today = IsToday(day);
    RemainingTimeLabel.visible = today;
    RemainingTimeLabel.text.clear();
    RacePagesVisible = false;
    RaceList.clear();
    ResultsTimer.enabled = false;
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

    Progress = {true, 35, 0, "レースデータを読み込んでいます。", day};
    NotifyChanged();
    ports_.ui.Repaint();
    book_->BlankAll();
    std::vector<std::string> damaged;
    ReadRaceAndRunnerRecords(
        *book_,
        [this] {
            ++Progress.position;
            NotifyChanged();
            ports_.ui.Repaint();
        },
        &damaged);
    ReadPayoutRecords(*book_, &damaged);
    LogAll(damaged);
    ImportDayOdds();
    ImportDayMining();
    FillRaceLists();
    Progress.visible = false;

    int minutesBefore = settings_.ReadInteger("Time", "AutoOzGet", 10);
    for (auto& slot : book_->slots)
        if (!slot.IsEmpty())
            slot.FetchTimes =
                FetchTimesFor(Field(slot.RaceInfo, pos::kRaPostTime, 4), minutesBefore);

    ParseDayPayouts();
    std::string amount = Format("%d", settings_.ReadInteger("KaimeSet", "DefaultAmount", 3000));
    for (auto& slot : book_->slots)
        slot.RaceAmount = amount;

    ResultsTimer.intervalMs =
        TimerIntervalMs(ScheduleMinutes(settings_.ReadInteger("Time", "AutoRdataGet", 10)));
    ResultsTimer.enabled = today;
    if (today) StartCurrentDayFetches();
    if (!RaceList.empty()) DatListClick(0);
    NotifyChanged();
}

void TMainForm::FillRaceLists() {
    RaceList.clear();
    ledger_.RaceList.clear();
    for (const auto& slot : book_->slots) {
        if (slot.IsEmpty()) continue;
        RaceList.push_back(RaceListText(slot));
        ledger_.RaceList.push_back(RaceList.back());
    }
}

bool TMainForm::NextRaceClick() {
    if (!RequireLoadedDay(false)) return false;
    std::string firstDate = Field(Book()[0].RaceInfo, pos::kYear, 8);
    if (firstDate != FormatDateTime(ports_.clock.Now(), "yyyymmdd")) return false;
    int slot = NextRaceSlot(Book(), static_cast<int>(RaceList.size()),
                            FormatDateTime(ports_.clock.Now(), "hhnn"));
    if (slot < 0) return false;
    DatListClick(slot);
    return true;
}

void TMainForm::FButtonClick() {
    RaceListPanelVisible = !RaceListPanelVisible;
}

void TMainForm::AfterDownload() {
    // A cancel belongs to the download it stopped: the race-day fetches must not stay stopped.
    DownloadCancelFlag = false;
    // The date box comes back empty: no day is chosen, so the timers fetch nothing.
    DateText.clear();
    RaceList.clear();
    RaceListIndex = -1;
    RacePagesVisible = false;
    std::vector<std::string> before = DateList;
    BuildDateList();
    FileFailure failure;
    Rates = Rebuild(programFolder_, &failure);
    if (!failure.shown.empty()) ReportFileFailure(failure);
    // A download that stored new days shows the newest day at once.
    bool newDays = std::any_of(DateList.begin(), DateList.end(), [&](const std::string& day) {
        return std::find(before.begin(), before.end(), day) == before.end();
    });
    if (newDays) {
        auto newest = std::max_element(DateList.begin(), DateList.end());
        DateListChange(static_cast<int>(newest - DateList.begin()));
    }
    NotifyChanged();
}

std::string TMainForm::GuidanceText() const {
    if (RacePagesVisible) return {};
    if (DateList.empty())
        return "まだレースデータがありません。\n\n"
               "1. ツールバーの［JVデータ取得］を押します。\n"
               "2. 開いた画面で［データ取込］を押すと、レースデータが取り込まれます。\n"
               "3. 取込が終わると、最新の開催日が読み込まれます。";
    if (!DayChosen()) return "左上の日付欄から開催日を選んでください。";
    return "レース一覧からレースを選んでください。";
}

}  // namespace kagiroi
