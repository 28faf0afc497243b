#include "app/RaceDayFetches.h"
#include "app/FetchSchedule.h"
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

RealTimeFetcher RaceDayFetches::Fetcher() {
    RealTimeFetcher fetcher(c_.jvLink, c_.store, c_.ports.ui, c_.errorLog, c_.downloadCancelFlag,
                            c_.status.DownloadLabel, [this] { c_.NotifyChanged(); });
    fetcher.SetMaxWait(c_.realTimeMaxWaitMs);
    fetcher.OnStored([this](const std::string& record) { KeepOddsHistory(record); });
    return fetcher;
}

RealTimeRequest RaceDayFetches::Request(const RealTimeDataSpec& entry, std::string key,
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

bool RaceDayFetches::ServiceFree(bool pressed) {
    if (!c_.jvLink.Requests().Taken()) return true;
    if (pressed) {
        c_.ports.ui.Beep();
        c_.status.DownloadLabel.text = ServiceBusyText();
        c_.NotifyChanged();
    }
    return false;
}

void RaceDayFetches::SokuhoOddsBtnClick() {
    if (!c_.RequireLoadedDay(false)) return;
    if (!c_.HasSelectedRace() || !c_.DayChosen()) return;
    std::string key = FieldAt(c_.Selected().RaceInfo, RaceHead::RaceKey);
    if (ToInt64(key.substr(0, 8)) <= 0 || !ServiceFree(true)) return;
    FetchRaceOdds(c_.SelectedRace());
    race_.ShowSelectedRaceAgain();
}

RealTimeOutcome RaceDayFetches::FetchRaceOdds(int slot) {
    std::string key = FieldAt((*c_.book)[slot].RaceInfo, RaceHead::RaceKey);
    std::string course = c_.CourseRaceText(slot);
    RealTimeRequest request =
        Request(OddsSpec(), key, course + "オッズ取得中", course + "R:ｵｯｽﾞ取得エラー：", false);
    request.notYetLabel = OddsNotYetText(course);
    RealTimeOutcome outcome = Fetcher().Fetch(request);
    c_.oddsFiles.Invalidate();
    OzReadBtnClick(slot);
    return outcome;
}

void RaceDayFetches::ResultsBtnClick(bool quiet) {
    FetchDayData(DayDataFetch::Results, quiet);
}

void RaceDayFetches::MiningBtnClick(bool quiet) {
    FetchDayData(DayDataFetch::Mining, quiet);
}

void RaceDayFetches::FetchDayData(DayDataFetch what, bool quiet) {
    if (!c_.RequireLoadedDay(quiet)) return;
    if (!c_.HasSelectedRace() || !c_.DayChosen() || c_.DayDateNumber() <= 0) return;
    if (!ServiceFree(!quiet)) return;
    const bool results = what == DayDataFetch::Results;
    std::string course = c_.CourseRaceText(c_.SelectedRace());
    Fetcher().Fetch(Request(
        results ? ResultsSpec() : MiningSpec(), Format("%08d", c_.DayDateNumber()),
        results ? "ﾚｰｽ情報データ取得中" : "DM取得中",
        course + (results ? "R:ﾚｰｽ情報データ取得エラー：" : "R:DMデータ取得エラー："), quiet));
    if (results)
        HrReadBtnClick();
    else
        DMReadBtnClick();
    race_.ShowSelectedRaceAgain();
}

void RaceDayFetches::ChangeInfoFetch(bool quiet) {
    // Run by timers only: a busy service makes it wait for the next tick.
    if (!c_.DayChosen() || c_.DayDateNumber() <= 0 || !ServiceFree(false)) return;
    int slot = c_.HasSelectedRace() ? c_.SelectedRace() : 0;
    std::string course = c_.CourseRaceText(slot);
    Fetcher().Fetch(Request(ChangeSpec(), Format("%08d", c_.DayDateNumber()),
                            "開催速報データ取得中", course + "R:開催速報データ取得エラー：",
                            quiet || c_.firstChangeFetchPending));
    ReadDayChanges();
}

void RaceDayFetches::ReadDayChanges() {
    c_.FlushStore();
    ChangeReadingResult result = ReadChanges(
        c_.programFolder, *c_.book, ReadIntSetting(c_.settings, setting::kOddsMinutesBefore));
    if (result.failure) c_.ReportFileFailure(*result.failure);
    c_.LogAll(result.problems);
    if (result.racesMoved > 0) c_.NotifyChanged();
}

void RaceDayFetches::AutoOddsFetch(const std::vector<std::string>& list) {
    bool selectedFetched = false;
    for (size_t i = 0; i < list.size(); ++i) {
        const std::string& entry = list[i];
        if (entry.size() < 18) continue;
        std::string key = entry.substr(0, 16);
        int slot = ToInt(entry.substr(16, 2));
        if (slot < 0 || slot >= kSlotCount) continue;
        std::string course = c_.CourseRaceText(slot);
        RealTimeRequest request =
            Request(OddsSpec(), key, course + "R ｵｯｽﾞ取得中", course + "R:", false);
        request.notYetLabel = OddsNotYetText(course);
        RealTimeOutcome outcome = Fetcher().Fetch(request);
        if (outcome.refused) {
            // Another command took the service: the rest wait for a free tick.
            KeepOddsDue({list.begin() + static_cast<std::ptrdiff_t>(i), list.end()});
            break;
        }
        c_.oddsFiles.Invalidate();
        OzReadBtnClick(slot);
        if (c_.HasSelectedRace() &&
            FieldAt(c_.Selected().RaceInfo, RaceHead::Course) == key.substr(8, 2) &&
            FieldAt(c_.Selected().RaceInfo, RaceHead::RaceNumber) == key.substr(14, 2))
            selectedFetched = true;
    }
    if (selectedFetched) race_.ShowSelectedRaceAgain();
}

void RaceDayFetches::N1O1Click() {
    if (!c_.DayChosen()) {
        c_.ports.ui.Beep();
        c_.ports.ui.ShowMessage("ﾃﾞｰﾀを読み込んでください。");
        return;
    }
    if (!ServiceFree(true)) return;
    // Fetched race by race without choosing them: the race on screen stays the user's.
    const int races = static_cast<int>(c_.dayList.RaceList.size());
    int fetched = 0;
    for (int slot = 0; slot < races && !c_.downloadCancelFlag; ++slot) {
        if (ToInt64(FieldAt((*c_.book)[slot].RaceInfo, RaceHead::Date)) <= 0) continue;
        RealTimeOutcome outcome = FetchRaceOdds(slot);
        if (outcome.refused) break;  // another command took the service
        if (outcome.recordsStored > 0) ++fetched;
    }
    race_.ShowSelectedRaceAgain();
    c_.status.DownloadLabel.text = Format("%dﾚｰｽ中%dﾚｰｽ分のｵｯｽﾞを取得しました。", races, fetched);
    c_.NotifyChanged();
}

}  // namespace kagiroi
