#include "app/FetchSchedule.h"
#include "app/TMainForm.h"
#include "datalink/ChangeReading.h"
#include "daystore/RecordLayout.h"
#include "platform/Format.h"
#include "platform/SettingsTable.h"
#include "platform/TextField.h"
#include "racing/KeibaFunc.h"

namespace kagiroi {

namespace {

// A race's odds not published yet (the service's -1) are no error: said plainly, no beep.
std::string OddsNotYetText(const std::string& courseRace) {
    return courseRace + "R:ｵｯｽﾞはまだ発表されていません。";
}

}  // namespace

bool TMainForm::DayChosen() const {
    return !IsBlank(dayList_.DateText);
}

bool TMainForm::RequireLoadedDay(bool quiet) {
    if (DayChosen() && !dayList_.RaceList.empty()) return true;
    if (!quiet) {
        ports_.ui.Beep();
        ports_.ui.ShowMessage("ﾃﾞｰﾀを読み込んでください。");
    }
    return false;
}

int TMainForm::DayDateNumber() const {
    return ToInt(FieldAt(Book()[0].RaceInfo, RaceHead::Date));
}

std::string TMainForm::CourseRaceText(int slot) const {
    const std::string& race = Book()[slot].RaceInfo;
    return RacecourseName(FieldAt(race, RaceHead::Course)) +
           FormatIntField(FieldAt(race, RaceHead::RaceNumber));
}

RealTimeFetcher TMainForm::Fetcher() {
    RealTimeFetcher fetcher(jvLink_, store_, ports_.ui, errorLog_, downloadCancelFlag_,
                            status_.DownloadLabel, [this] { NotifyChanged(); });
    fetcher.SetMaxWait(realTimeMaxWaitMs_);
    fetcher.OnStored([this](const std::string& record) { KeepOddsHistory(record); });
    return fetcher;
}

RealTimeRequest TMainForm::Request(const RealTimeDataSpec& entry, std::string key,
                                   std::string fetching, std::string failurePrefix,
                                   bool quiet) const {
    RealTimeRequest request;
    request.dataSpec = entry.dataSpec;
    request.key = std::move(key);
    request.reader = entry.reader;
    request.fetchingLabel = std::move(fetching);
    request.failurePrefix = std::move(failurePrefix);
    request.quiet = quiet;
    return request;
}

bool TMainForm::ServiceFree(bool pressed) {
    if (!jvLink_.Requests().Taken()) return true;
    if (pressed) {
        ports_.ui.Beep();
        status_.DownloadLabel.text = ServiceBusyText();
        NotifyChanged();
    }
    return false;
}

void TMainForm::ShowSelectedRaceAgain() {
    if (HasSelectedRace()) DatListClick(SelectedRace());
}

void TMainForm::SokuhoOddsBtnClick() {
    if (!RequireLoadedDay(false)) return;
    if (!HasSelectedRace() || !DayChosen()) return;
    std::string key = FieldAt(Selected().RaceInfo, RaceHead::RaceKey);
    if (ToInt64(key.substr(0, 8)) <= 0 || !ServiceFree(true)) return;
    std::string course = CourseRaceText(SelectedRace());
    RealTimeRequest request =
        Request(OddsSpec(), key, course + "オッズ取得中", course + "R:ｵｯｽﾞ取得エラー：", false);
    request.notYetLabel = OddsNotYetText(course);
    Fetcher().Fetch(request);
    oddsFiles_.Invalidate();
    OzReadBtnClick(SelectedRace());
    ShowSelectedRaceAgain();
}

void TMainForm::ResultsBtnClick(bool quiet) {
    FetchDayData(DayDataFetch::Results, quiet);
}

void TMainForm::MiningBtnClick(bool quiet) {
    FetchDayData(DayDataFetch::Mining, quiet);
}

void TMainForm::FetchDayData(DayDataFetch what, bool quiet) {
    if (!RequireLoadedDay(quiet)) return;
    if (!HasSelectedRace() || !DayChosen() || DayDateNumber() <= 0) return;
    if (!ServiceFree(!quiet)) return;
    const bool results = what == DayDataFetch::Results;
    std::string course = CourseRaceText(SelectedRace());
    Fetcher().Fetch(Request(
        results ? ResultsSpec() : MiningSpec(), Format("%08d", DayDateNumber()),
        results ? "ﾚｰｽ情報データ取得中" : "DM取得中",
        course + (results ? "R:ﾚｰｽ情報データ取得エラー：" : "R:DMデータ取得エラー："), quiet));
    if (results)
        HrReadBtnClick();
    else
        DMReadBtnClick();
    ShowSelectedRaceAgain();
}

void TMainForm::ChangeInfoFetch(bool quiet) {
    // Run by timers only: a busy service makes it wait for the next tick.
    if (!DayChosen() || DayDateNumber() <= 0 || !ServiceFree(false)) return;
    int slot = HasSelectedRace() ? SelectedRace() : 0;
    std::string course = CourseRaceText(slot);
    Fetcher().Fetch(Request(ChangeSpec(), Format("%08d", DayDateNumber()), "開催速報データ取得中",
                            course + "R:開催速報データ取得エラー：",
                            quiet || firstChangeFetchPending_));
    ReadDayChanges();
}

void TMainForm::ReadDayChanges() {
    FlushStore();
    ChangeReadingResult result =
        ReadChanges(programFolder_, *book_, ReadIntSetting(settings_, setting::kOddsMinutesBefore));
    if (result.failure) ReportFileFailure(*result.failure);
    LogAll(result.problems);
    if (result.racesMoved > 0) NotifyChanged();
}

void TMainForm::AutoOddsFetch(const std::vector<std::string>& list) {
    bool selectedFetched = false;
    for (size_t i = 0; i < list.size(); ++i) {
        const std::string& entry = list[i];
        if (entry.size() < 18) continue;
        std::string key = entry.substr(0, 16);
        int slot = ToInt(entry.substr(16, 2));
        if (slot < 0 || slot >= kSlotCount) continue;
        std::string course = CourseRaceText(slot);
        RealTimeRequest request =
            Request(OddsSpec(), key, course + "R ｵｯｽﾞ取得中", course + "R:", false);
        request.notYetLabel = OddsNotYetText(course);
        RealTimeOutcome outcome = Fetcher().Fetch(request);
        if (outcome.refused) {
            // Another command took the service: the rest wait for a free tick.
            KeepOddsDue({list.begin() + static_cast<std::ptrdiff_t>(i), list.end()});
            break;
        }
        oddsFiles_.Invalidate();
        OzReadBtnClick(slot);
        if (HasSelectedRace() &&
            FieldAt(Selected().RaceInfo, RaceHead::Course) == key.substr(8, 2) &&
            FieldAt(Selected().RaceInfo, RaceHead::RaceNumber) == key.substr(14, 2))
            selectedFetched = true;
    }
    if (selectedFetched) ShowSelectedRaceAgain();
}

void TMainForm::N1O1Click() {
    if (!DayChosen()) {
        ports_.ui.Beep();
        ports_.ui.ShowMessage("ﾃﾞｰﾀを読み込んでください。");
        return;
    }
    if (!ServiceFree(true)) return;
    for (int item = 0; item < static_cast<int>(dayList_.RaceList.size()); ++item) {
        DatListClick(item);
        SokuhoOddsBtnClick();
    }
}

}  // namespace kagiroi
