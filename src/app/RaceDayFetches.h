#pragma once

#include "app/MainFormContext.h"
#include "app/RaceDesk.h"
#include "datalink/RealTimeFetch.h"

#include <string>
#include <vector>

namespace kagiroi {

// The race-day data of the loaded day: the imports from the store, the fetches from the data
// service, and the clock, countdown and automatic schedule that run them.
class RaceDayFetches {
  public:
    RaceDayFetches(MainFormContext& context, RaceDesk& race) : c_(context), race_(race) {}

    // --- Imports of the loaded day ---
    void OzReadBtnClick(int slot);  // odds of one race
    void HrReadBtnClick();          // payouts (and the placings and final odds with them)
    void DMReadBtnClick();          // mining predictions
    void CalcBtnClick();            // payout parse of all races

    // --- Fetches ---
    void SokuhoOddsBtnClick();  // 速報ｵｯｽﾞ
    // The timed fetches run quiet: no beep for a close and no message for a day not loaded.
    void ResultsBtnClick(bool quiet = false);  // 結果情報
    void MiningBtnClick(bool quiet = false);   // ﾏｲﾆﾝｸﾞ
    void ChangeInfoFetch(bool quiet = false);  // 変更情報
    void N1O1Click();                          // 1日分の全オッズを一括取得
    // The automatic odds fetch over a list of race keys with their slot numbers.
    void AutoOddsFetch(const std::vector<std::string>& list);

    // --- Clocks and the automatic schedule ---
    // The two clock ticks change only ClockLabel and RemainingTimeLabel and do not call
    // Changed: the window repaints those labels alone, twice a second.
    void ClockTimerTick();
    void CountdownTimerTick();
    void AutoOddsTimerTick();
    void ResultsTimerTick();
    void ChangeTimerTick();
    // The ｵｯｽﾞ自動取得 check box was set to `checked`.
    void AutoOddsCheckClick(bool checked);
    // Today's day was loaded: the automatic odds and the change fetch begin.
    void StartCurrentDayFetches();
    // Another day was loaded: they end, and races still due are forgotten.
    void StopCurrentDayFetches();

  private:
    // 速報ｵｯｽﾞ of one race, imported at once; the fetch's outcome.
    RealTimeOutcome FetchRaceOdds(int slot);
    // The odds import of one race; returns the files it could not read that were not
    // told yet for this day.
    std::vector<std::string> ImportTargetOdds(int slot);
    void ReadDayChanges();  // 開催読込: the post-time changes of the loaded day
    // 結果情報 and ﾏｲﾆﾝｸﾞ: the day's data of one kind fetched, read back and shown.
    enum class DayDataFetch { Results, Mining };
    void FetchDayData(DayDataFetch what, bool quiet);
    RealTimeRequest Request(const RealTimeDataSpec& entry, std::string key, std::string fetching,
                            std::string failurePrefix, bool quiet) const;
    RealTimeFetcher Fetcher();
    // Whether the data service is free for a new command; a button pressed while another
    // holds it beeps and says so in the download label.
    bool ServiceFree(bool pressed);
    // A record a race-day fetch stored goes to the odds history too.
    void KeepOddsHistory(const std::string& record);
    void KeepOddsDue(const std::vector<std::string>& entries);
    std::vector<std::string> TakeOddsDue();

    MainFormContext& c_;
    RaceDesk& race_;
    std::vector<std::string> oddsDue_;  // automatic odds entries waiting for a free service
    int changeInterval_ = 5;            // G: the change interval read at the current day's load
};

}  // namespace kagiroi
