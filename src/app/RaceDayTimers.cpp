#include "app/FetchSchedule.h"
#include "app/RaceDayFetches.h"
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

void RaceDayFetches::ClockTimerTick() {
    // Only the clock label changes: the window repaints it alone.
    c_.status.ClockLabel.text = ClockText(c_.ports.clock.Now());
}

void RaceDayFetches::CountdownTimerTick() {
    if (!c_.HasSelectedRace()) {
        c_.status.RemainingTimeLabel.text.clear();
    } else {
        c_.status.RemainingTimeLabel.text =
            CountdownText(c_.Selected().RaceInfo, c_.ports.clock.Now());
    }
}

void RaceDayFetches::AutoOddsCheckClick(bool checked) {
    c_.status.AutoOddsChecked = checked;
    auto refuse = [this](const char* message) {
        c_.ports.ui.Beep();
        c_.ports.ui.ShowMessage(message);
        c_.status.AutoOddsChecked = false;
        c_.timers.AutoOddsTimer.enabled = false;
    };
    if (checked) {
        if (!c_.DayChosen()) return refuse("ﾃﾞｰﾀを読み込んでください。");
        if (!c_.IsToday(c_.dayList.DateText)) return refuse("本日のﾃﾞｰﾀを読み込んでください。");
        for (const auto& slot : c_.book->slots) {
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
    c_.timers.AutoOddsTimer.enabled = checked;
}

void RaceDayFetches::KeepOddsDue(const std::vector<std::string>& entries) {
    for (const std::string& entry : entries)
        if (std::find(oddsDue_.begin(), oddsDue_.end(), entry) == oddsDue_.end())
            oddsDue_.push_back(entry);
}

std::vector<std::string> RaceDayFetches::TakeOddsDue() {
    std::vector<std::string> list;
    for (const std::string& entry : oddsDue_) {
        int slot = entry.size() >= 18 ? ToInt(entry.substr(16, 2)) : -1;
        if (slot < 0 || slot >= kSlotCount) continue;
        // A day loaded meanwhile may hold another race in the slot; odds that another fetch
        // brought in meanwhile need no second request.
        const RaceSlot& race = (*c_.book)[slot];
        if (FieldAt(race.RaceInfo, RaceHead::RaceKey) == entry.substr(0, 16) && !OddsAreFresh(race))
            list.push_back(entry);
    }
    oddsDue_.clear();
    return list;
}

void RaceDayFetches::AutoOddsTimerTick() {
    if (!c_.DayChosen()) return;
    // Races due while the service is busy are kept for the first tick that finds it free.
    KeepOddsDue(BuildAutoFetchList(*c_.book, Hhmm(c_.ports.clock.Now())));
    if (c_.autoOddsBusy || !ServiceFree(false)) return;
    std::vector<std::string> list = TakeOddsDue();
    if (list.empty()) return;
    c_.autoOddsBusy = true;
    AutoOddsFetch(list);
    c_.autoOddsBusy = false;
}

void RaceDayFetches::ResultsTimerTick() {
    // A busy service makes the tick wait for the next one; no chosen day, no timed fetch.
    if (!c_.DayChosen() || !ServiceFree(false)) return;
    std::string firstPost = FieldAt((*c_.book)[0].RaceInfo, RA::PostTime);
    if (!ResultsFetchDue(Hhmm(c_.ports.clock.Now()), firstPost, changeInterval_)) return;
    ResultsBtnClick(true);
    MiningBtnClick(true);
}

void RaceDayFetches::ChangeTimerTick() {
    if (!c_.DayChosen() || !ServiceFree(false)) return;
    std::string firstPost = FieldAt((*c_.book)[0].RaceInfo, RA::PostTime);
    if (!ChangeFetchDue(Hhmm(c_.ports.clock.Now()), firstPost, changeInterval_)) return;
    ChangeInfoFetch(true);
    c_.firstChangeFetchPending = false;
}

void RaceDayFetches::StartCurrentDayFetches() {
    if (!c_.status.AutoOddsChecked) AutoOddsCheckClick(true);
    // 0 or less switches the change fetch off; anything else is kept within a day.
    int minutes = ReadIntSetting(c_.settings, setting::kChangeInterval);
    changeInterval_ = minutes > 0 ? ScheduleMinutes(minutes) : 0;
    c_.timers.ChangeTimer.intervalMs = TimerIntervalMs(changeInterval_);
    if (changeInterval_ > 0) {
        c_.timers.ChangeTimer.enabled = true;
        c_.firstChangeFetchPending = true;
        ReadDayChanges();
    }
}

void RaceDayFetches::StopCurrentDayFetches() {
    c_.status.AutoOddsChecked = false;
    c_.timers.AutoOddsTimer.enabled = false;
    c_.timers.ChangeTimer.enabled = false;
    c_.firstChangeFetchPending = false;
    oddsDue_.clear();
}

}  // namespace kagiroi
