#pragma once

#include "analysis/Favourites.h"
#include "analysis/RaceHeader.h"
#include "analysis/RaceMarks.h"
#include "analysis/ResultsPage.h"
#include "datalink/RealTimeFetch.h"
#include "daystore/DayStore.h"
#include "daystore/RaceSlot.h"
#include "mail/Mailer.h"
#include "odds/OddsFiles.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/ErrorLog.h"
#include "platform/Registry.h"
#include "platform/SettingsFile.h"
#include "platform/Shell.h"
#include "platform/TextGrid.h"
#include "platform/Ui.h"
#include "records/LossLedger.h"
#include "selection/BetTables.h"
#include "selection/RacePatternSettings.h"
#include "selection/SortDirections.h"
#include "stakes/FundAllocation.h"
#include "stakes/PluginCsv.h"
#include "stakes/PopularityRates.h"
#include "stakes/StakeEvents.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kagiroi {

class JvLink;

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

// A window timer: the core decides whether it runs and its interval; the window owns the real
// timer and calls the tick handler.
struct TimerState {
    bool enabled = false;
    int intervalMs = 0;
};

struct WindowPlacement {
    int top = 10, left = 10, width = 900, height = 600;
};

// The borderless progress dialog shown while a day loads.
struct ProgressDialogState {
    bool visible = false;
    int maximum = 35;
    int position = 0;
    std::string line1, line2;
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
    std::string ProgramFileFolder;
    std::string VersionText() const { return kagiroi::VersionText(); }

    // --- Day and race list ---
    void BuildDateList();
    // The chosen date changed (index into DateList).
    void DateListChange(int index);
    void LoadDay(const std::string& day);
    // A click on race list item `item`.
    void DatListClick(int item);
    bool NextRaceClick();  // 直前ﾚｰｽ; true when a race was selected
    void FButtonClick();   // shows or hides the race list panel
    // After the download dialog closes: the race list is cleared, the race pages hidden and
    // the date list rebuilt.
    void AfterDownload();

    // --- Imports of the loaded day ---
    void OzReadBtnClick();  // odds of slot OddsTargetRace
    void HrReadBtnClick();  // payouts (and the placings and final odds with them)
    void DMReadBtnClick();  // mining predictions
    void CalcBtnClick();    // payout parse of all races

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
    CursorShape TicketTableCursor(BetType type, int col, int row) const;
    CellStyle TicketTableStyle(BetType type, int col, int row) const;
    void SortBtnClick();
    void RadioGroup1Click(int index);                   // 資金配分
    void SaNumEditExC1Change(const std::string& text);  // 入力投票金額
    VoteOutcome TohyoCSVBtnClick();                     // Hibari2投票
    void PluginFolderClick();    // Hibari投票プラグイン２フォルダ指定
    void N12Click();             // 時系列ｵｯｽﾞﾌｫﾙﾀﾞ指定
    void CopyIndexTableClick();  // ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ
    RacePatternForm& RaceMoyoForm() { return raceMoyo_; }
    void RaceMoyoSaveClick();  // 保存 of the race pattern dialog

    // --- Race-day fetches ---
    void SokuhoOddsBtnClick();  // 速報ｵｯｽﾞ
    void ResultsBtnClick();     // 結果情報
    void MiningBtnClick();      // ﾏｲﾆﾝｸﾞ
    void ChangeInfoFetch();     // 変更情報
    void ReadDayChanges();      // 開催読込
    void N1O1Click();           // 1日分の全オッズを一括取得
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
    Mailer* Mail() { return mailer_.get(); }
    void ToggleDelivery();  // 買い目を転送する
    bool DeliveryChecked() const { return mailer_ && mailer_->Delivering(); }
    void DeliverTimerTick();
    // 配信: the delivery text of the selected race, then mailed.
    void PrepareDelivery();
    std::vector<std::string> DeliveryText;

    // --- State the window shows ---
    const std::string& ProgramFolder() const { return programFolder_; }
    SettingsFile& Settings() { return settings_; }
    ErrorLog& Log() { return errorLog_; }
    DayStore& Store() { return store_; }
    DayBook& Book() { return *book_; }
    const DayBook& Book() const { return *book_; }
    JvLink& DataService() { return jvLink_; }
    MainFormPorts& Ports() { return ports_; }
    LossLedger& Ledger() { return ledger_; }

    std::vector<std::string> DateList;
    int DateIndex = -1;
    std::string DateText;  // the date box: the chosen day, empty when none
    std::vector<std::string> RaceList;
    int RaceListIndex = -1;
    int SelectedRace = -1;
    int OddsTargetRace = 0;
    // Set by a download's cancel; read by every read loop.
    bool DownloadCancelFlag = false;

    Label DownloadLabel;
    Label RemainingTimeLabel;
    Label ClockLabel;
    bool RaceListPanelVisible = true;
    bool RacePagesVisible = false;  // the race card, analysis and result pages
    ProgressDialogState Progress;
    bool AutoOddsChecked = false;

    // The race card and the analysis page of the selected race.
    TextGrid StringGrid26;  // the index table
    TextGrid StringGrid7;   // axis and partner marks
    SortDirections IndexDirections{18};
    RaceHeaderTexts Header;
    RaceMarks Marks;
    FavouriteTexts Favourites;
    int SpinEdit1 = 100;  // the N of the N-th favourite trio
    int SpinEdit2 = 100;  // ... and trifecta
    std::array<PayoutGroupTexts, 8> ResultsPage;

    // The bet tables, their totals and the stake inputs.
    BetBoard Bets;
    TicketTab ActiveTicketTab = TicketTab::Trio;  // PageControl2
    int RadioGroup1 = 1;                          // 0 均等, 1 比例
    std::string SaNumEditExC1;                    // 入力投票金額
    std::string SaNumEditExC2;                    // 目標利益金額
    std::string SaNumEditExC3;                    // 損失金額
    PopularityRateTables Rates;

    // How long a race-day read waits for a service that keeps answering "downloading".
    int RealTimeMaxWaitMs = RealTimeFetcher::kMaxWaitMs;

    // Silence the beeps of the timed fetches while they run.
    struct QuietFlags {
        bool results = false;
        bool mining = false;
        bool change = false;
    } Quiet;

    TimerState ClockTimer{true, 500};
    TimerState CountdownTimer{true, 1000};
    TimerState AutoOddsTimer{false, 40000};
    TimerState ResultsTimer{false, 600000};
    TimerState ChangeTimer{false, 300000};
    TimerState DeliverTimer{false, Mailer::kDeliverIntervalMs};

    // Called whenever the shown state changed outside a direct click (timers, read loops).
    std::function<void()> Changed;
    void NotifyChanged();

    // True when `day` is today's date in the date box's form.
    bool IsToday(const std::string& day) const;
    // The loaded day's odds files that could not be read (their odds are blank), as told.
    const std::vector<std::string>& UnreadableOddsFiles() const { return unreadableOddsFiles_; }
    // What the race area says while no race is shown: how to begin when no day is stored,
    // how to choose a day or a race otherwise; empty while a race is shown.
    std::string GuidanceText() const;

    // A file that could not be read or written: told in the status line (the download label)
    // and in the error log. The command line ends with a failure when any was reported.
    void ReportFileFailure(const FileFailure& failure);
    int FileFailures() const { return fileFailures_; }
    // Writes the store's pending records; false (reported) when some could not be stored.
    bool FlushStore();
    // A KAGIROI_NOW that does not read as a time: logged; the text for standard error.
    std::string ReportUnreadableNow(const std::string& value);

  private:
    void FillExternalFolders();
    void ResetRaceStates();
    void FillRaceLists();
    void ImportDayOdds();
    // The odds import of OddsTargetRace; returns the files it could not read that were not
    // told yet for this day.
    std::vector<std::string> ImportTargetOdds();
    void TellUnreadableOdds(const std::vector<std::string>& files);
    void ImportDayMining();
    void ParseDayPayouts();
    void StartCurrentDayFetches();
    bool DayChosen() const;
    // False (with a beep and the message, unless quiet) when no day is loaded.
    bool RequireLoadedDay(bool quiet);
    int DayDateNumber() const;
    std::string CourseRaceText(int slot) const;
    void ShowSelectedRaceAgain();
    StakeInputs CurrentStakeInputs() const;
    void ReallocateStakes();
    RaceSlot& Selected() { return Book()[SelectedRace]; }
    const RaceSlot& Selected() const { return Book()[SelectedRace]; }
    bool HasSelectedRace() const { return SelectedRace >= 0 && SelectedRace < kSlotCount; }
    // The selected race is the one whose tables the screen shows: false after a click on a race
    // without data, which keeps the earlier race on screen.
    bool RaceOnScreen() const { return HasSelectedRace() && shownRace_ == SelectedRace; }
    void LogAll(const std::vector<std::string>& lines);
    RealTimeRequest Request(const char* dataSpec, std::string key, RealTimeReader reader,
                            std::string fetching, std::string failurePrefix, bool quiet) const;
    RealTimeFetcher Fetcher();
    // Whether the data service is free for a new command; a button pressed while another
    // holds it beeps and says so in the download label.
    bool ServiceFree(bool pressed);
    void KeepOddsDue(const std::vector<std::string>& entries);
    std::vector<std::string> TakeOddsDue();

    std::string programFolder_;
    MainFormPorts ports_;
    JvLink& jvLink_;
    SettingsFile settings_;
    ErrorLog errorLog_;
    DayStore store_;
    std::unique_ptr<DayBook> book_;
    LossLedger ledger_;
    OddsFiles oddsFiles_;
    int fileFailures_ = 0;
    RacePatternForm raceMoyo_;
    int shownRace_ = -1;  // the slot whose tables the screen shows
    bool autoOddsBusy_ = false;
    std::vector<std::string> oddsDue_;  // automatic odds entries waiting for a free service
    std::vector<std::string> unreadableOddsFiles_;
    std::unique_ptr<Mailer> mailer_;
    int changeInterval_ = 5;  // G: the change interval read at the current day's load
};

}  // namespace kagiroi
