#include "app/FetchSchedule.h"
#include "app/TMainForm.h"
#include "daystore/RecordLayout.h"
#include "platform/SettingsTable.h"
#include "platform/TextField.h"

#include <algorithm>

namespace kagiroi {

namespace {
std::string Hhmm(const DateTime& t) {
    return FormatDateTime(t, "hhnn");
}
}  // namespace

void TMainForm::ClockTimerTick() {
    // Only the clock label changes: the window repaints it alone.
    status_.ClockLabel.text = ClockText(ports_.clock.Now());
}

void TMainForm::CountdownTimerTick() {
    if (!HasSelectedRace()) {
        status_.RemainingTimeLabel.text.clear();
    } else {
        status_.RemainingTimeLabel.text = CountdownText(Selected().RaceInfo, ports_.clock.Now());
    }
}

void TMainForm::AutoOddsCheckClick(bool checked) {
    status_.AutoOddsChecked = checked;
    auto refuse = [this](const char* message) {
        ports_.ui.Beep();
        ports_.ui.ShowMessage(message);
        status_.AutoOddsChecked = false;
        timers_.AutoOddsTimer.enabled = false;
    };
    if (checked) {
        if (!DayChosen()) return refuse("ﾃﾞｰﾀを読み込んでください。");
        if (!IsToday(dayList_.DateText)) return refuse("本日のﾃﾞｰﾀを読み込んでください。");
        for (const auto& slot : Book().slots) {
            if (slot.IsEmpty()) continue;
            bool stale = FieldAt(slot.RaceInfo, RaceHead::DataKind) == "1";
            for (int h = 1; h <= kMaxRunners && !stale; ++h)
                stale = FieldAt(slot.RunnerInfo[static_cast<size_t>(h)], RaceHead::DataKind) == "1";
            if (stale)
                return refuse(
                    "出走表データが最新でありません。JVデータ取得ボタンよりデータを取得してからオッ"
                    "ズを"
                    "取得してください。");
        }
    }
    timers_.AutoOddsTimer.enabled = checked;
}

void TMainForm::KeepOddsDue(const std::vector<std::string>& entries) {
    for (const std::string& entry : entries)
        if (std::find(oddsDue_.begin(), oddsDue_.end(), entry) == oddsDue_.end())
            oddsDue_.push_back(entry);
}

std::vector<std::string> TMainForm::TakeOddsDue() {
    std::vector<std::string> list;
    for (const std::string& entry : oddsDue_) {
        int slot = entry.size() >= 18 ? ToInt(entry.substr(16, 2)) : -1;
        if (slot < 0 || slot >= kSlotCount) continue;
        // A day loaded meanwhile may hold another race in the slot; odds that another fetch
        // brought in meanwhile need no second request.
        const RaceSlot& race = Book()[slot];
        if (FieldAt(race.RaceInfo, RaceHead::RaceKey) == entry.substr(0, 16) && !OddsAreFresh(race))
            list.push_back(entry);
    }
    oddsDue_.clear();
    return list;
}

void TMainForm::AutoOddsTimerTick() {
    if (!DayChosen()) return;
    // Races due while the service is busy are kept for the first tick that finds it free.
    KeepOddsDue(BuildAutoFetchList(Book(), Hhmm(ports_.clock.Now())));
    if (autoOddsBusy_ || !ServiceFree(false)) return;
    std::vector<std::string> list = TakeOddsDue();
    if (list.empty()) return;
    autoOddsBusy_ = true;
    AutoOddsFetch(list);
    autoOddsBusy_ = false;
}

void TMainForm::ResultsTimerTick() {
    // A busy service makes the tick wait for the next one; no chosen day, no timed fetch.
    if (!DayChosen() || !ServiceFree(false)) return;
    std::string firstPost = FieldAt(Book()[0].RaceInfo, RA::PostTime);
    if (!ResultsFetchDue(Hhmm(ports_.clock.Now()), firstPost, changeInterval_)) return;
    ResultsBtnClick(true);
    MiningBtnClick(true);
}

void TMainForm::ChangeTimerTick() {
    if (!DayChosen() || !ServiceFree(false)) return;
    std::string firstPost = FieldAt(Book()[0].RaceInfo, RA::PostTime);
    if (!ChangeFetchDue(Hhmm(ports_.clock.Now()), firstPost, changeInterval_)) return;
    ChangeInfoFetch(true);
    firstChangeFetchPending_ = false;
}

void TMainForm::StartCurrentDayFetches() {
    if (!status_.AutoOddsChecked) AutoOddsCheckClick(true);
    // 0 or less switches the change fetch off; anything else is kept within a day.
    int minutes = ReadIntSetting(settings_, setting::kChangeInterval);
    changeInterval_ = minutes > 0 ? ScheduleMinutes(minutes) : 0;
    timers_.ChangeTimer.intervalMs = TimerIntervalMs(changeInterval_);
    if (changeInterval_ > 0) {
        timers_.ChangeTimer.enabled = true;
        firstChangeFetchPending_ = true;
        ReadDayChanges();
    }
}

}  // namespace kagiroi
