#include "cli/CliCommands.h"

#include "app/ProgramFolder.h"
#include "cli/CliBacktest.h"
#include "cli/CliLedger.h"
#include "cli/CliMail.h"
#include "cli/CliPrint.h"
#include "cli/CliRace.h"
#include "cli/CliReports.h"
#include "cli/CliSession.h"
#include "cli/CliSettings.h"
#include "cli/CliSweep.h"
#include "cli/CliTables.h"
#include "datalink/TGetDataForm.h"
#include "daystore/DayFiles.h"
#include "daystore/RecordLayout.h"
#include "odds/OddsMovement.h"
#include "platform/Clock.h"
#include "platform/Format.h"
#include "platform/RegisteredFolder.h"
#include "platform/Sjis.h"
#include "platform/TextField.h"

#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace kagiroi {

namespace {

constexpr const char* kHelp = R"(kagiroi-cli: Kagiroi without its window.

It uses the same program folder, settings file (kagiroi.ini), day store and data service as the
desktop program; the folder is KAGIROI_HOME, or --home DIR, or the program's own folder.

Commands:
  download [--from yyyymmddhhnnss] [--setup] [--final-odds]
      The accumulated download of the download dialog, from JvDataGet/LastTime unless --from
      is given; --setup asks for setup data, --final-odds stores the final odds as well.
  days
      The days in the day store, newest first, one a line as yyyy-mm-dd.
  race DAY RACE [--table index|marks|trio|trifecta|results|header|totals|ev]
                [--amount YEN] [--mode equal|proportional|kelly] [--strike N,...]
      Loads DAY (yyyy-mm-dd), selects RACE (its number in the race list, from 1, or a course
      code and race number such as 05-11) exactly as a click on it, applies the options as the
      window's controls would, and prints the chosen table as tab-separated cells, header row
      first. --strike strikes out tickets by their number (No.) in the trio and trifecta
      tables (only in the chosen one with --table trio or trifecta). Without --table it prints
      the header, the marks, both tables and the totals. ev lists every ticket's chance (from
      the popularity rates, by the Harville rule) and expected value; kelly stakes the tickets
      with an edge by the Kelly rule, the amount being the bankroll (KaimeSet/KellyPercent of
      the full stake), and says so when no ticket has one.
  vote DAY RACE --trio|--trifecta [--amount YEN] [--mode ...] [--strike N,...] [--yes]
                [--no-plugin]
      Writes the voting plug-in's CSV as the Hibari2投票 button does and starts the plug-in
      (not with --no-plugin). --yes answers the confirmation; without it the answer is No.
  votefile DAY RACE --type 単勝|複勝|枠連|馬連|ワイド|馬単|３連複|３連単 [--amount YEN]
                [--mode ...] [--strike N,...] [--yes]
      Writes the PATBET vote file of the type's table (yymmdd.BET in Dir/kaime, the program
      folder's kaime by default) and prints its path; --yes answers the confirmation.
  backtest FROM TO [--amount YEN] [--mode equal|proportional|kelly] [--csv FILE] [--png FILE]
                [--jobs N]
      Replays every race of the stored days FROM..TO (yyyy-mm-dd) as a click on it shows it,
      with the settings (or the amount and mode given), N days at a time (one a core unless
      given; the result is the same for any N), and prints for ３連複 and ３連単 per day and in
      total: races bet, hit, stake, return, hit and return rate, largest drawdown and the
      running balance. --csv writes that table, --png the chart of the running balances
      (３連複 blue, ３連単 red, the zero line dashed; the window's chart also labels it).
      Nothing is stored, no setting changes.
  sweep FROM TO --set KEY=V1,V2,... [--set KEY=...] [--split DAY] [--type trio|trifecta|both]
                [--csv FILE] [--jobs N]
      The backtest of every combination of the values given (at most 1000), each day read
      once. KEY is a setting as Section/Key: KaimeSet/DefaultAmount (the amount of every
      race), KaimeSet/HaibunSet, KaimeSet/KellyPercent, Nin100/SRF, Nin100/SRT and the race
      pattern bounds Race1Strong/1nin ... Race3Strong/4nin. One row per combination: its
      values, then races bet, stake, return, return rate and largest drawdown of the days
      before DAY (前半, in-sample; the middle day of the range by default) and from DAY on
      (後半, out-of-sample), best in-sample return rate first. --type counts one net (both
      bet together by default). Nothing is stored, no setting changes.
  fetch odds|results|mining|changes DAY [RACE]
      The race-day fetches of the window's buttons for the loaded day (and selected race);
      prints the index table after odds and mining, the results after results and the race's
      header after changes.
  tally DAY | verify DAY | hits DAY [--threshold YEN] | stats DAY | stats YEAR [--yes]
      Replays every race of DAY as clicks on it and prints the report of the window's 検証
      menu: 集計 (every bet type), 検証 (枠連 race by race), 的中 (hit trios and trifectas
      paying more than YEN, 0 by default; 5000 is 穴的中) or the statistics CSV of the day, or
      of every stored day of YEAR (asks first: --yes answers it). Prints the files written
      under HPupload or CSV; they are not opened.
  odds-history DAY RACE
      The win odds of RACE at each announcement of its day in the time-series folder
      (Dir/jikeiretu, else the program's own history kept by every race-day odds fetch): one
      row per announcement, its time and the odds of each horse.
  import-timeseries DAY
      時系列オッズより取得 for DAY: the announcement nearest each race's odds-fetch time goes
      into the day's odds files; prints how many races were taken.
  race DAY RACE --progression [--target YEN] [--amount YEN] [--mode ...]
      Presses 追い上げ for the race: the amount that recovers the loss ledger's cumulative
      loss and makes the target profit (KaimeSet/DefaultTarProfit unless --target is given)
      at the shown table's expected return rate; prints the amounts and both tables.
  ledger
      The loss ledger (ruison.csv): its entries and the cumulative loss.
  ledger add DAY RACE AMOUNT [--yes] | ledger delete N [--yes] | ledger clear [--yes]
      Records AMOUNT yen (negative for a recovery) for RACE of DAY, deletes entry N, or
      clears the ledger, as the 損失金管理 window does. --yes answers its questions.
  settings investment [--amount YEN] [--rate PCT] [--target YEN]
      Prints, and with options writes, the default amount per race, the increase rate and
      the target profit of 投資金設定 (a value below 100 is stored as 100).
  settings source [demo|component|FOLDER]
      Prints, and with a value sets, where the data come from: the built-in demo service,
      the installed JV-Link component (through kagiroi-jvlink-bridge in a 64-bit program) or
      a folder of JV-Data record files. It takes effect at the next download.
  print DAY
      The race list page (一覧表) of DAY as the print menu draws it: one drawing operation a
      line (text, line or rectangle), positions in tenths of a millimetre on A4 landscape.
      The PDF of the page is written by the desktop program's print window (PDFに保存).
  mail test [--yes]
      Sends the test message of the mail settings (メール設定) with the stored settings and
      prints each status the dialog would show; --yes answers its question.
  mail deliver DAY RACE [--yes]
      Prints the race's delivery (its heading and its net as staked); with --yes it is also
      mailed to the stored address now, printing each status.
  demo
      Downloads what is new, loads today and prints the net of the next race with its stakes.

Options for every command: --home DIR, --sjis (print Shift_JIS bytes instead of UTF-8),
--help. Messages the window would show in a box go to standard error. Exit status: 0 success,
1 a refused action or odds files that could not be read (their odds are blank), 2 wrong usage.
)";

int Download(CliSession& session, const CliOptions& options) {
    TMainForm& form = session.Form();
    TGetDataForm download = form.DownloadDialog();
    download.FormCreate();
    if (auto from = options.Value("--from")) {
        auto start = ParseCompactDateTime(*from);
        if (!start) {
            session.Ui().ShowMessage("--from takes yyyymmddhhnnss: " + *from);
            return kExitUsage;
        }
        download.StartDate = *start;
    }
    download.DataChoice = options.Has("--setup") ? 1 : 0;
    download.FinalOdds = options.Has("--final-odds");
    bool terminal = isatty(STDERR_FILENO) != 0;
    int64_t shownAt = 0;
    download.Changed = [&] {
        int64_t now = MonotonicMilliseconds();
        if (!terminal || now - shownAt < 100) return;
        shownAt = now;
        std::fprintf(stderr, "\r\x1b[K%s", session.Ui().Out(download.ProgressText).c_str());
    };
    download.StartClick();
    while (download.StatusTimerEnabled) {
        SleepMilliseconds(TGetDataForm::kStatusIntervalMs);
        download.StatusTimerTick();
    }
    if (terminal) std::fprintf(stderr, "\r\x1b[K");
    form.AfterDownload();
    const DownloadSummary& s = download.Summary();
    session.Print(Format("files: %d, records read: %lld, stored: %lld, LastTime: %s\n", s.filesRead,
                         s.recordsRead, s.recordsStored,
                         s.newLastTime.empty() ? "unchanged" : s.newLastTime.c_str()));
    return (s.completed && !s.lastTimeNotSaved) || s.nothingNew ? kExitOk : kExitRefused;
}

int Days(CliSession& session) {
    for (const auto& day : session.Form().DayList().DateList)
        if (auto date = DateOfDayText(day))
            session.Print(date->substr(0, 4) + "-" + date->substr(4, 2) + "-" + date->substr(6, 2) +
                          "\n");
    return kExitOk;
}

// The table that shows what a fetch brought: odds and mining predictions are columns of the
// index table, post times and going are in the race's header.
const char* FetchedTable(const std::string& what) {
    if (what == "odds" || what == "mining") return "index";
    if (what == "changes") return "header";
    return "results";
}

int Fetch(CliSession& session, const CliOptions& options) {
    const auto& args = options.arguments;
    if (args.size() < 2 || args.size() > 3) {
        session.Ui().ShowMessage("give fetch odds|results|mining|changes DAY [RACE]");
        return kExitUsage;
    }
    const std::string& what = args[0];
    if (what != "odds" && what != "results" && what != "mining" && what != "changes") {
        session.Ui().ShowMessage("fetch takes odds, results, mining or changes");
        return kExitUsage;
    }
    if (!session.LoadDay(args[1])) return kExitRefused;
    if (args.size() == 3 && !session.SelectRace(args[2])) return kExitRefused;
    TMainForm& form = session.Form();
    if (what == "odds") form.Fetches().SokuhoOddsBtnClick();
    if (what == "results") form.Fetches().ResultsBtnClick();
    if (what == "mining") form.Fetches().MiningBtnClick();
    if (what == "changes") form.Fetches().ChangeInfoFetch();
    if (!form.Status().DownloadLabel.text.empty()) {
        session.Ui().ShowMessage(form.Status().DownloadLabel.text);
        return kExitRefused;
    }
    if (what == "changes" && form.DayList().SelectedRace >= 0) {
        // The change fetch does not redraw the race; a click on it again shows the changed card.
        form.Race().DatListClick(form.DayList().SelectedRace);
    }
    if (form.Status().RacePagesVisible) session.PrintRows(TableRows(form, FetchedTable(what)));
    return kExitOk;
}

int OddsHistoryCommand(CliSession& session, const CliOptions& options) {
    const auto& args = options.arguments;
    if (args.size() != 2) {
        session.Ui().ShowMessage("give odds-history DAY RACE");
        return kExitUsage;
    }
    if (!session.LoadDay(args[0]) || !session.SelectRace(args[1])) return kExitRefused;
    session.PrintRows(OddsMovementRows(session.Form().Race().SelectedOddsMovement()));
    return kExitOk;
}

int ImportTimeSeriesCommand(CliSession& session, const CliOptions& options) {
    if (options.arguments.size() != 1) {
        session.Ui().ShowMessage("give import-timeseries DAY");
        return kExitUsage;
    }
    if (!session.LoadDay(options.arguments[0])) return kExitRefused;
    if (!session.Form().T1Click()) return kExitRefused;
    // The closing message, its lines as the terminal writes them.
    std::string message = session.Ui().LastMessage();
    for (size_t at; (at = message.find("\r\n")) != std::string::npos;)
        message.erase(at, 1);
    session.Print(message + "\n");
    return kExitOk;
}

int Demo(CliSession& session, const CliOptions& options) {
    if (int status = Download(session, options); status != kExitOk) return status;
    TMainForm& form = session.Form();
    std::string today = FormatDateTime(session.Now(), "yyyy-mm-dd");
    if (!session.LoadDay(today)) return kExitRefused;
    if (!form.NextRaceClick() && !form.DayList().RaceList.empty())
        form.Race().DatListClick(static_cast<int>(form.DayList().RaceList.size()) -
                                 1);  // every race has run
    // The race-day fetches of the window: mining, results so far and the race's latest odds.
    form.Fetches().MiningBtnClick();
    form.Fetches().ResultsBtnClick();
    form.Fetches().SokuhoOddsBtnClick();
    session.Print("\n");
    PrintRace(session);
    return kExitOk;
}

int RunCommand(CliSession& session, const CliOptions& options) {
    const std::string& command = options.command;
    if (command == "download") return Download(session, options);
    if (command == "days") return Days(session);
    if (command == "race") return RunRaceCommand(session, options);
    if (command == "vote") return RunVoteCommand(session, options);
    if (command == "votefile") return RunVoteFileCommand(session, options);
    if (command == "backtest") return RunBacktestCommand(session, options);
    if (command == "sweep") return RunSweepCommand(session, options);
    if (command == "fetch") return Fetch(session, options);
    if (command == "mail") return RunMailCommand(session, options);
    if (IsReportCommand(command)) return RunReportCommand(session, options);
    if (command == "odds-history") return OddsHistoryCommand(session, options);
    if (command == "import-timeseries") return ImportTimeSeriesCommand(session, options);
    if (command == "ledger") return RunLedgerCommand(session, options);
    if (command == "settings") return RunSettingsCommand(session, options);
    if (command == "print") return RunPrintCommand(session, options);
    return Demo(session, options);
}

}  // namespace

int RunCli(const std::string& programFile, const std::vector<std::string>& args) {
    CliOptions options = ParseCliOptions(args);
    options.workingFolder = AbsolutePath(".");
    // The help text is a Shift_JIS literal like every text of the program.
    std::string help = options.Has("--sjis") ? kHelp : SjisToUtf8(kHelp);
    if (options.Has("--help") || options.command == "help") {
        std::fputs(help.c_str(), stdout);
        return kExitOk;
    }
    if (!options.error.empty() || options.command.empty()) {
        std::fprintf(stderr, "%s\n%s", options.error.c_str(), help.c_str());
        return kExitUsage;
    }
    static const char* kCommands[] = {"download", "days",         "race",
                                      "vote",     "votefile",     "backtest",
                                      "fetch",    "odds-history", "import-timeseries",
                                      "ledger",   "settings",     "print",
                                      "mail",     "demo",         "tally",
                                      "verify",   "hits",         "stats",
                                      "sweep"};
    const std::string& command = options.command;
    if (std::find(std::begin(kCommands), std::end(kCommands), command) == std::end(kCommands)) {
        std::fprintf(stderr, "unknown command: %s\n%s", command.c_str(), help.c_str());
        return kExitUsage;
    }
    bool takesArguments = command == "race" || command == "vote" || command == "votefile" ||
                          command == "backtest" || command == "sweep" || command == "fetch" ||
                          command == "odds-history" || command == "import-timeseries" ||
                          IsReportCommand(command) || command == "ledger" ||
                          command == "settings" || command == "print" || command == "mail";
    if (!takesArguments && !options.arguments.empty()) {
        std::fprintf(stderr, "%s takes no arguments: %s\n", command.c_str(),
                     options.arguments.front().c_str());
        return kExitUsage;
    }
    if (auto home = options.Value("--home")) OverrideProgramHome(Utf8ToSjis(*home));

    std::string programFolder = ResolveProgramFolder(programFile);
    // Its lock and the folders the program owns in it hold for the whole run.
    RegisterProgramFolder(programFolder);
    CliSession session(programFolder, options);
    if (!session.Start()) return kExitRefused;
    int status = RunCommand(session, options);
    // A file that could not be read or written fails the run, whatever the command made of it.
    if (status == kExitOk && session.Form().FileFailures() > 0) {
        // The status line may have been cleared by a fetch since; the failure is kept apart.
        session.Ui().ShowMessage(session.Form().LastFileFailure());
        status = kExitRefused;
    }
    // The message about them is out; what was printed holds blanks where those odds belong.
    if (status == kExitOk && !session.Form().UnreadableOddsFiles().empty()) return kExitRefused;
    return status;
}

}  // namespace kagiroi
