#pragma once

#include "app/InvestmentDesk.h"
#include "app/MailDesk.h"
#include "app/MainFormContext.h"
#include "app/RaceDayFetches.h"
#include "app/RaceDesk.h"
#include "app/ReplayRunner.h"
#include "app/ReportRunner.h"
#include "app/TOzGetTimeForm.h"
#include "datalink/TGetDataForm.h"
#include "selection/SortDirections.h"
#include "stakes/FundAllocation.h"
#include "stakes/StakeEvents.h"
#include "stakes/TicketChances.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kagiroi {

class JvLink;
class TAllPrintForm;
struct MainFormProbe;

// The title of the main window and of every dialog, and the version text. Defined in the core's
// sources so the window receives their Shift_JIS bytes, whatever charset includes this header.
const std::string& ApplicationTitle();
const std::string& VersionText();

// The main window without pixels: it owns the loaded day, every grid, label text and check
// state, and coordinates the parts that have the event handlers of one concern each (the
// selected race, the race-day fetches, replays and reports, mail, the investment). The rules
// live in their subsystems. The window paints this state and forwards clicks.
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
    // Loads a day as a change of the date box does; today's automatic fetches start, another
    // day's stop.
    void LoadDay(const std::string& day);
    // At the window's first show: on a race day the program starts with today loaded.
    void LoadTodayIfStored();
    bool NextRaceClick();  // 直前ﾚｰｽ; true when a race was selected
    void FButtonClick();   // shows or hides the race list panel
    // The download dialog, working on this form's day store, settings and log; AfterDownload
    // once it has closed.
    TGetDataForm DownloadDialog();
    // The fetch-time dialog over this form's settings.
    TOzGetTimeForm FetchTimeDialog();
    // After the download dialog closes: the date list is rebuilt; a download that stored new
    // days loads today (else the newest past day), otherwise the loaded day is loaded again.
    void AfterDownload();

    // 時系列オッズより取得: the odds nearest each race's fetch time from the time-series folder,
    // then the day again; true when the announcements were saved (the closing message shown).
    bool T1Click();

    // --- The parts, each with the handlers of one concern ---
    RaceDesk& Race() { return race_; }
    const RaceDesk& Race() const { return race_; }
    RaceDayFetches& Fetches() { return fetches_; }
    ReplayRunner& Replays() { return replays_; }
    ReportRunner& Reports() { return reports_; }
    MailDesk& Mail() { return mail_; }
    const MailDesk& Mail() const { return mail_; }
    InvestmentDesk& Investment() { return investment_; }
    const InvestmentDesk& Investment() const { return investment_; }

    // --- Printing ---
    // 印刷(&P): the loaded day's race list page laid out for the preview window; false (with
    // a beep and the message) when no day is loaded.
    bool PrintRaceList();
    // The preview window (一覧表　印刷) over the page the last PrintRaceList laid out.
    TAllPrintForm& AllPrintForm() { return *allPrint_; }

    // The height of the analysis page's upper half as last left; `fallback` when none.
    int AnalysisSplit(int fallback) const;
    void AnalysisSplitMoved(int top);

    // --- State the window shows ---
    const std::string& ProgramFolder() const { return c_.programFolder; }
    const DayBook& Book() const { return *c_.book; }
    const DayListView& DayList() const { return c_.dayList; }
    const StatusView& Status() const { return c_.status; }
    const RaceCardView& RaceCard() const { return c_.session.Card(); }
    const BetBoard& Bets() const { return c_.session.Bets(); }
    const BettingView& Betting() const { return c_.betting; }
    const MainFormTimers& Timers() const { return c_.timers; }

    // Called whenever the shown state changed outside a direct click (timers, read loops).
    void OnChanged(std::function<void()> changed) { c_.changed = std::move(changed); }

    // The loaded day's odds files that could not be read (their odds are blank), as told.
    const std::vector<std::string>& UnreadableOddsFiles() const { return c_.unreadableOddsFiles; }
    // What the race area says while no race is shown: how to begin when no day is stored,
    // how to choose a day or a race otherwise; empty while a race is shown.
    std::string GuidanceText() const;

    // How many file failures were told; the command line ends with a failure when any was.
    int FileFailures() const { return c_.fileFailures; }
    // The last of them as told, kept after the status line has moved on to other news.
    const std::string& LastFileFailure() const { return c_.lastFileFailure; }
    // A KAGIROI_NOW that does not read as a time: logged; the text for standard error.
    std::string ReportUnreadableNow(const std::string& value);

  private:
    // Tests reach the internals through it; it is defined in the tests alone.
    friend struct MainFormProbe;

    void FillExternalFolders();
    void ResetRaceStates();
    void FillRaceLists();

    std::string programFileFolder_;
    MainFormContext c_;
    RaceDesk race_{c_};
    RaceDayFetches fetches_{c_, race_};
    ReplayRunner replays_{c_};
    ReportRunner reports_;
    MailDesk mail_{c_, race_};
    InvestmentDesk investment_{c_, race_};
    std::unique_ptr<TAllPrintForm> allPrint_;
};

}  // namespace kagiroi
