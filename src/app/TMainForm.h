#pragma once

#include "app/MainFormViews.h"
#include "app/TOzGetTimeForm.h"
#include "datalink/RealTimeFetch.h"
#include "datalink/TGetDataForm.h"
#include "daystore/DayStore.h"
#include "daystore/RaceSlot.h"
#include "odds/OddsFiles.h"
#include "odds/OddsMovement.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/ErrorLog.h"
#include "platform/Registry.h"
#include "platform/SettingsFile.h"
#include "platform/Shell.h"
#include "records/Backtest.h"
#include "records/DayReplay.h"
#include "records/ReportOutcome.h"
#include "records/TLossRegForm.h"
#include "selection/RacePatternSettings.h"
#include "selection/SortDirections.h"
#include "session/RaceSession.h"
#include "session/RaceSettings.h"
#include "stakes/FundAllocation.h"
#include "stakes/PluginCsv.h"
#include "stakes/PopularityRates.h"
#include "stakes/Progression.h"
#include "stakes/StakeEvents.h"
#include "stakes/TKaimeSetForm.h"
#include "stakes/TicketChances.h"
#include "stakes/VoteFile.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

class JvLink;
class Mailer;
class TMailSetForm;
class TimeSeriesOdds;
class TAllPrintForm;
class UiThread;
struct MainFormProbe;
class ReportRunner;

// The title of the main window and of every dialog, and the version text. Defined in the core's
// sources so the window receives their Shift_JIS bytes, whatever charset includes this header.
const std::string& ApplicationTitle();
const std::string& VersionText();

// The ports the main window works through.
struct MainFormPorts {
    Ui& ui;
    Clock& clock;
    Clipboard& clipboard;
    Shell& shell;
    Registry& registry;
};

// The main window without pixels: it owns the loaded day, every grid, label text and check
// state, and has the event handlers. The rules live in their subsystems; handlers call them in
// order. The window paints this state and forwards clicks.
class TMainForm {
  public:
    TMainForm(std::string programFolder, MainFormPorts ports, JvLink& jvLink);
    ~TMainForm();
    TMainForm(const TMainForm&) = delete;
    TMainForm& operator=(const TMainForm&) = delete;

    // --- Start-up and shut-down ---
    // The main window's creation steps; false (with the system's message) when a working
    // folder cannot be made, which ends the start-up.
    bool FormCreate(std::string* error);
    // The first show: starts the data service.
    void FormShow();
    // The window is asked to close: its placement is kept for the next run.
    void FormCloseQuery(const WindowPlacement& placement);
    WindowPlacement StoredPlacement() const;

    // --- Commands ---
    // Opens Kagiroi.pdf from the program folder, else from the folder of the program file
    // (where the build and an install put it when KAGIROI_HOME points elsewhere).
    void HelpClick();
    // The folder of the program file, where HelpClick looks second.
    void SetProgramFileFolder(std::string folder) { programFileFolder_ = std::move(folder); }
    std::string VersionText() const { return kagiroi::VersionText(); }

    // --- Day and race list ---
    void BuildDateList();
    // The chosen date changed (index into DateList).
    void DateListChange(int index);
    // Loads a day as a change of the date box does; a replay leaves the current day's fetches
    // as they were.
    void LoadDay(const std::string& day, bool startFetches = true);
    // A click on race list item `item`.
    void DatListClick(int item);
    bool NextRaceClick();  // 直前ﾚｰｽ; true when a race was selected
    void FButtonClick();   // shows or hides the race list panel
    // The download dialog, working on this form's day store, settings and log; AfterDownload
    // once it has closed.
    TGetDataForm DownloadDialog();
    // The fetch-time dialog over this form's settings.
    TOzGetTimeForm FetchTimeDialog();
    // After the download dialog closes: the race list is cleared, the race pages hidden and
    // the date list rebuilt.
    void AfterDownload();

    // --- Imports of the loaded day ---
    void OzReadBtnClick(int slot);  // odds of one race
    void HrReadBtnClick();          // payouts (and the placings and final odds with them)
    void DMReadBtnClick();          // mining predictions
    void CalcBtnClick();            // payout parse of all races
    // 時系列オッズより取得: the odds nearest each race's fetch time from the time-series folder,
    // then the day again; true when the announcements were saved (the closing message shown).
    bool T1Click();

    // --- The selected race ---
    void UTSFBtnClick();       // automatic marks
    void KaimeMakeBtnClick();  // extraction of the net, stakes and hits
    void SpinEdit1Change(int value);
    void SpinEdit2Change(int value);
    void StringGrid26MouseDown(int col, int row);
    CursorShape StringGrid26Cursor(int col, int row) const;
    CellStyle StringGrid26Style(int col, int row) const;
    void StringGrid7MouseDown(int col, int row);
    CursorShape StringGrid7Cursor(int col, int row) const;
    CellStyle StringGrid7Style(int col, int row) const;
    // A click on a ticket row, and a press on a ticket table's header.
    void TicketTableClick(BetType type, int col, int row);
    void TicketHeaderPress(BetType type, int col, int row);
    void PageControl2Change(TicketTab tab);  // the ticket tab shown
    CursorShape TicketTableCursor(BetType type, int col, int row) const;
    CellStyle TicketTableStyle(BetType type, int col, int row) const;
    void SortBtnClick();
    void RadioGroup1Click(int index);                   // 資金配分
    void SaNumEditExC1Change(const std::string& text);  // 入力投票金額
    VoteOutcome TohyoCSVBtnClick();                     // Hibari2投票
    void PluginFolderClick();  // Hibari投票プラグイン２フォルダ指定
    // 投票ﾌｧｲﾙ: the vote file of the table on the ticket tab shown.
    VoteFileOutcome TohyoFileBtnClick();
    // An item of 投票ファイル: the vote file of the type's table.
    VoteFileOutcome VoteFileMenuClick(BetType type);
    // Where the vote file of the selected race goes; empty when no race with a date is shown.
    std::string VoteFilePath() const;
    void KaimeFolderClick();     // 買い目ﾌｫﾙﾀﾞ指定
    void N12Click();             // 時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定
    void CopyIndexTableClick();  // ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ
    // The win odds of the race on screen over its day's announcements (empty when none is).
    OddsMovement SelectedOddsMovement() const;
    // Each runner's win chance in the race on screen from the popularity rates (empty when no
    // race is on screen or its runners have no rates), and the tooltip of a ticket row.
    std::vector<double> SelectedWinChances() const;
    std::string TicketTableTip(BetType type, int col, int row) const;
    RacePatternForm& RaceMoyoForm() { return raceMoyo_; }
    void RaceMoyoSaveClick();  // 保存 of the race pattern dialog

    // --- Replays of stored days ---
    // Every race of the loaded day (or of each given date box entry) analysed in a race
    // session of its own, `visit` seeing what a click on it would show; the window's day and
    // race stay as they are, and the progress dialog shows where the replay is.
    ReplaySummary ReplayLoadedDay(const RaceVisitor& visit);
    ReplaySummary ReplayDays(const std::vector<int>& dateIndexes, const RaceVisitor& visit);

    // --- Reports of the 検証 menu, each over a replay of the loaded day (or its year) ---
    ReportOutcome TallyDayClick();                       // 集計
    ReportOutcome VerifyDayClick();                      // 検証
    ReportOutcome ReportHitsClick(long long threshold);  // 的中 (0), 穴的中 (5000)
    ReportOutcome ExportDayStatisticsClick();            // 平均以下頭数 → 単日分
    ReportOutcome ExportYearStatisticsClick();           // 平均以下頭数 → 年単位

    // --- The backtest ---
    // Every race of the stored days from..to (yyyymmdd) replayed with the settings, or with
    // the stakes given instead of them for this run alone; nothing is stored, no setting
    // changes, and the window's day and race stay as they are.
    // With more than one job the days run side by side on worker threads (the same result).
    BacktestResult Backtest(const std::string& from, const std::string& to,
                            const BacktestStakes& stakes, int jobs = 1);

    // What a replay analyses with: the day store, the settings as they are now, the rates;
    // and the stored days from..to (yyyymmdd), oldest first, as a replay reads them.
    ReplaySource CurrentReplaySource();
    std::vector<ReplayDay> StoredDaysBetween(const std::string& from, const std::string& to) const;

    // --- Investment settings, progression and the loss ledger ---
    // 投資金設定(&T): `show` shows the dialog modally and tells whether it closed with OK; only
    // then are the values written and the selected race selected again.
    void OpenInvestmentSettings(const std::function<bool(TKaimeSetForm&)>& show);
    void ApplyProgression();                            // 追い上げ
    void SaNumEditExC2Change(const std::string& text);  // 目標利益金額
    void SaNumEditExC3Change(const std::string& text);  // 損失金額
    void UseProgressionClick(bool checked);             // 追い上げ投資を使う
    void LossMemoClick();                               // 損失メモ: shows 損失金管理
    // The window 損失金管理; it tells the form of every change of the ledger.
    TLossRegForm& LossRegForm() { return *lossReg_; }

    // --- Printing ---
    // 印刷(&P): the loaded day's race list page laid out for the preview window; false (with
    // a beep and the message) when no day is loaded.
    bool PrintRaceList();
    // The preview window (一覧表　印刷) over the page the last PrintRaceList laid out.
    TAllPrintForm& AllPrintForm() { return *allPrint_; }

    // --- Race-day fetches ---
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

    // --- Mail ---
    // Gives the form its mail part, whose events run through `uiThread` (the window's event
    // loop, or the command line's queue). Until then the mail commands do nothing.
    void AttachMail(UiThread& uiThread);
    // Before `uiThread` goes: the mail part ends, hanging up a delivery under way.
    void DetachMail();
    // The mail settings dialog (ﾒｰﾙ設定) over this form's settings, its events through `uiThread`.
    TMailSetForm MailSettingsDialog(UiThread& uiThread);
    void ToggleDelivery();  // 買い目を転送する
    bool DeliveryChecked() const;
    void DeliverTimerTick();
    // 配信: the delivery text of the selected race, then mailed.
    void PrepareDelivery();
    const std::vector<std::string>& DeliveryText() const { return deliveryText_; }
    // Whether the last delivery's mail is still under way, and whether the server took it.
    bool DeliverySending() const;
    bool DeliverySent() const;

    // The height of the analysis page's upper half as last left; `fallback` when none.
    int AnalysisSplit(int fallback) const;
    void AnalysisSplitMoved(int top);

    // --- State the window shows ---
    const std::string& ProgramFolder() const { return programFolder_; }
    const DayBook& Book() const { return *book_; }
    const DayListView& DayList() const { return dayList_; }
    const StatusView& Status() const { return status_; }
    const RaceCardView& RaceCard() const { return session_.Card(); }
    const BetBoard& Bets() const { return session_.Bets(); }
    const BettingView& Betting() const { return betting_; }
    const MainFormTimers& Timers() const { return timers_; }
    const TLossRegForm& LossReg() const { return *lossReg_; }
    const ProgressionPanel& Progression() const { return *progression_; }

    // Called whenever the shown state changed outside a direct click (timers, read loops).
    void OnChanged(std::function<void()> changed) { changed_ = std::move(changed); }

    // The loaded day's odds files that could not be read (their odds are blank), as told.
    const std::vector<std::string>& UnreadableOddsFiles() const { return unreadableOddsFiles_; }
    // What the race area says while no race is shown: how to begin when no day is stored,
    // how to choose a day or a race otherwise; empty while a race is shown.
    std::string GuidanceText() const;

    // How many file failures were told; the command line ends with a failure when any was.
    int FileFailures() const { return fileFailures_; }
    // The last of them as told, kept after the status line has moved on to other news.
    const std::string& LastFileFailure() const { return lastFileFailure_; }
    // A KAGIROI_NOW that does not read as a time: logged; the text for standard error.
    std::string ReportUnreadableNow(const std::string& value);

  private:
    // Tests reach the internals through it; it is defined in the tests alone.
    friend struct MainFormProbe;

    void NotifyChanged();
    // A file that could not be read or written: told in the status line (the download label)
    // and in the error log.
    void ReportFileFailure(const FileFailure& failure);
    // Writes the store's pending records; false (reported) when some could not be stored.
    bool FlushStore();
    // True when `day` is today's date in the date box's form.
    bool IsToday(const std::string& day) const;
    void ReadDayChanges();  // 開催読込: the post-time changes of the loaded day
    void FillExternalFolders();
    void ResetRaceStates();
    void FillRaceLists();
    // The odds import of one race; returns the files it could not read that were not
    // told yet for this day.
    std::vector<std::string> ImportTargetOdds(int slot);
    // Of the unreadable odds files, those not told yet for this day (now counted as told).
    std::vector<std::string> NotToldYet(const std::vector<std::string>& unreadable);
    void TellUnreadableOdds(const std::vector<std::string>& files);
    void StartCurrentDayFetches();
    bool DayChosen() const;
    // False (with a beep and the message, unless quiet) when no day is loaded.
    bool RequireLoadedDay(bool quiet);
    int DayDateNumber() const;
    std::string CourseRaceText(int slot) const;
    // 結果情報 and ﾏｲﾆﾝｸﾞ: the day's data of one kind fetched, read back and shown.
    enum class DayDataFetch { Results, Mining };
    void FetchDayData(DayDataFetch what, bool quiet);
    void ShowSelectedRaceAgain();
    void FavouriteBoxChange(FavouriteBoxKind box, int value);
    // The analysis settings, read again only when the settings file changed since last read.
    const RaceSettings& FreshRaceSettings();
    // The day and race the ticket tables are for, as the vote commands hand them over.
    TicketSource CurrentTicketSource() const;
    // A change of the amount box or of a progression box: the race's amount is stored and the
    // tables allocated again.
    void AmountChanged();
    int SelectedRace() const { return dayList_.SelectedRace; }
    RaceSlot& Selected() { return (*book_)[SelectedRace()]; }
    const RaceSlot& Selected() const { return Book()[SelectedRace()]; }
    bool HasSelectedRace() const { return SelectedRace() >= 0 && SelectedRace() < kSlotCount; }
    // The selected race is the one whose tables the screen shows: false after a click on a race
    // without data, which keeps the earlier race on screen.
    bool RaceOnScreen() const { return HasSelectedRace() && shownRace_ == SelectedRace(); }
    void LogAll(const std::vector<std::string>& lines);
    RealTimeRequest Request(const RealTimeDataSpec& entry, std::string key, std::string fetching,
                            std::string failurePrefix, bool quiet) const;
    RealTimeFetcher Fetcher();
    // Whether the data service is free for a new command; a button pressed while another
    // holds it beeps and says so in the download label.
    bool ServiceFree(bool pressed);
    // The progress dialog of a replay; always goes on.
    bool ShowReplayProgress(const ReplayProgress& progress);
    // After a replay: what its day loads found damaged is logged, the progress hidden.
    ReplaySummary EndReplay(ReplaySummary summary);
    // The stored days of date box entries, as a replay reads them.
    std::vector<ReplayDay> StoredDays(const std::vector<int>& dateIndexes) const;
    // A record a race-day fetch stored goes to the odds history too.
    void KeepOddsHistory(const std::string& record);
    void KeepOddsDue(const std::vector<std::string>& entries);
    std::vector<std::string> TakeOddsDue();

    std::string programFolder_;
    std::string programFileFolder_;
    MainFormPorts ports_;
    JvLink& jvLink_;
    SettingsFile settings_;
    ErrorLog errorLog_;
    DayStore store_;
    std::unique_ptr<DayBook> book_;
    // The subsystems the form owns as parts, one member each; their handlers delegate to them.
    std::unique_ptr<TLossRegForm> lossReg_;
    std::unique_ptr<ProgressionPanel> progression_;
    std::unique_ptr<ReportRunner> reports_;
    OddsFiles oddsFiles_;
    std::unique_ptr<TimeSeriesOdds> timeSeries_;
    std::unique_ptr<TAllPrintForm> allPrint_;
    std::unique_ptr<Mailer> mailer_;
    std::vector<std::string> deliveryText_;
    int fileFailures_ = 0;
    std::string lastFileFailure_;
    RacePatternForm raceMoyo_;
    int shownRace_ = -1;  // the slot whose tables the screen shows
    bool autoOddsBusy_ = false;
    std::vector<std::string> oddsDue_;  // automatic odds entries waiting for a free service
    std::vector<std::string> unreadableOddsFiles_;
    int changeInterval_ = 5;  // G: the change interval read at the current day's load

    DayListView dayList_;
    StatusView status_;
    BettingView betting_;
    MainFormTimers timers_;
    // From the load of today until the first timed change fetch has ended, every change fetch
    // runs quiet.
    bool firstChangeFetchPending_ = false;
    PopularityRateTables rates_;
    // What a race is analysed with, read when a day loads or a settings dialog closes.
    RaceSettings raceSettings_;
    std::optional<std::optional<FileStamp>> raceSettingsStamp_;  // the file as last read
    // The selected race as the screen shows it; its tables are the window's grids.
    RaceSession session_{rates_};
    // Set by a download's cancel; read by every read loop.
    bool downloadCancelFlag_ = false;
    // How long a race-day read waits for a service that keeps answering "downloading".
    int realTimeMaxWaitMs_ = RealTimeFetcher::kMaxWaitMs;
    std::function<void()> changed_;
};

}  // namespace kagiroi
