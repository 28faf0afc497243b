#include "app/FetchSchedule.h"
#include "app/TMainForm.h"
#include "daystore/RecordLayout.h"
#include "platform/TextField.h"

namespace kagiroi {

namespace {
std::string Hhmm(const DateTime& t) {
    return FormatDateTime(t, "hhnn");
}
}  // namespace

void TMainForm::ClockTimerTick() {
    // Only the clock label changes: the window repaints it alone.
    ClockLabel.text = ClockText(ports_.clock.Now());
}

void TMainForm::CountdownTimerTick() {
    if (RaceListIndex < 0 || SelectedRace < 0) {
        RemainingTimeLabel.text.clear();
    } else {
        RemainingTimeLabel.text = CountdownText(Book()[SelectedRace].RaceInfo, ports_.clock.Now());
    }
}

void TMainForm::AutoOddsCheckClick(bool checked) {
    AutoOddsChecked = checked;
    auto refuse = [this](const char* message) {
        ports_.ui.Beep();
        ports_.ui.ShowMessage(message);
        AutoOddsChecked = false;
        AutoOddsTimer.enabled = false;
    };
    if (checked) {
        if (!DayChosen()) return refuse("ﾃﾞｰﾀを読み込んでください。");
        if (!IsToday(DateText)) return refuse("本日のﾃﾞｰﾀを読み込んでください。");
        for (const auto& slot : Book().slots) {
            if (slot.IsEmpty()) continue;
            bool stale = Field(slot.RaceInfo, pos::kDataKind, 1) == "1";
            for (int h = 1; h <= kMaxRunners && !stale; ++h)
                stale = Field(slot.RunnerInfo[static_cast<size_t>(h)], pos::kDataKind, 1) == "1";
            if (stale)
                return refuse(
                    "出走表データが最新でありません。JVデータ取得ボタンよりデータを取得してからオッ"
                    "ズを"
                    "取得してください。");
        }
    }
    AutoOddsTimer.enabled = checked;
}

void TMainForm::AutoOddsTimerTick() {
    if (!DayChosen() || autoOddsBusy_) return;
    std::vector<std::string> list = BuildAutoFetchList(Book(), Hhmm(ports_.clock.Now()));
    if (list.empty()) return;
    autoOddsBusy_ = true;
    AutoOddsFetch(list);
    autoOddsBusy_ = false;
}

void TMainForm::ResultsTimerTick() {
    std::string firstPost = Field(Book()[0].RaceInfo, pos::kRaPostTime, 4);
    if (!ResultsFetchDue(Hhmm(ports_.clock.Now()), firstPost, changeInterval_)) return;
    Quiet.results = true;
    ResultsBtnClick();
    Quiet.results = false;
    Quiet.mining = true;
    MiningBtnClick();
    Quiet.mining = false;
}

void TMainForm::ChangeTimerTick() {
    std::string firstPost = Field(Book()[0].RaceInfo, pos::kRaPostTime, 4);
    if (!ChangeFetchDue(Hhmm(ports_.clock.Now()), firstPost, changeInterval_)) return;
    Quiet.change = true;
    ChangeInfoFetch();
    Quiet.change = false;
}

void TMainForm::StartCurrentDayFetches() {
    if (!AutoOddsChecked) AutoOddsCheckClick(true);
    changeInterval_ = settings_.ReadInteger("Henko", "GetInterval", 5);
    ChangeTimer.intervalMs = changeInterval_ * 60000;
    if (changeInterval_ > 0) {
        ChangeTimer.enabled = true;
        // Stays set until the first timed change fetch has ended.
        Quiet.change = true;
        ReadDayChanges();
    }
}

}  // namespace kagiroi
