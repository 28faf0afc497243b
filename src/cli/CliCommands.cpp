#include "cli/CliCommands.h"

#include "app/ProgramFolder.h"
#include "cli/CliBacktest.h"
#include "cli/CliCalibrate.h"
#include "cli/CliCommandLine.h"
#include "cli/CliJournal.h"
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

int Days(CliSession& session, const CliOptions&) {
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

// Options more than one command takes.
const CliOption kAmount{"--amount", "YEN"};
const CliOption kMode{"--mode", "equal|proportional|kelly"};
const CliOption kStrike{"--strike", "N,..."};
const CliOption kYes{"--yes"};
const CliOption kCsv{"--csv", "FILE"};
const CliOption kJobs{"--jobs", "N"};
const std::vector<CliOption> kDownloadOptions = {
    {"--from", "yyyymmddhhnnss"}, {"--setup"}, {"--final-odds"}};

constexpr const char* kReportHelp =
    " Replays every race as clicks on it and prints the report of the window's 検証 menu, then "
    "the files written under HPupload or CSV (they are not opened).";

// Every command of the program, in the order the help lists them.
const std::vector<CliCommand>& Commands() {
    static const std::vector<CliCommand> commands = {
        {"download", nullptr, kDownloadOptions,
         "The accumulated download of the download dialog, from JvDataGet/LastTime unless --from "
         "is given; --setup asks for setup data, --final-odds stores the final odds as well.",
         Download},
        {"days",
         nullptr,
         {},
         "The days in the day store, newest first, one a line as yyyy-mm-dd.",
         Days},
        {"race",
         "DAY RACE",
         {{"--table", "index|marks|trio|trifecta|results|header|totals|ev"},
          kAmount,
          kMode,
          kStrike,
          {"--progression"},
          {"--target", "YEN"}},
         "Loads DAY (yyyy-mm-dd), selects RACE (its number in the race list, from 1, or a course "
         "code and race number such as 05-11) exactly as a click on it, applies the options as the "
         "window's controls would, and prints the chosen table as tab-separated cells, header row "
         "first. --strike strikes out tickets by their number (No.) in the trio and trifecta "
         "tables (only in the chosen one with --table trio or trifecta). Without --table it prints "
         "the header, the marks, both tables and the totals. ev lists every ticket's chance (from "
         "the win odds with the settings' Model powers, by the discounted Harville rule), its "
         "expected value and its fair odds (1 ÷ chance); kelly stakes the tickets "
         "with an edge by the Kelly rule from the bankroll (KaimeSet/Bankroll; KaimeSet/"
         "KellyPercent of the full stake) at the odds each stake leaves in its pool, and says so "
         "when no ticket has one. --progression presses 追い上げ: "
         "the amount that recovers the loss ledger's cumulative loss and makes the target profit "
         "(KaimeSet/DefaultTarProfit unless --target is given) at the shown table's expected "
         "return rate; it prints the amounts and both tables.",
         RunRaceCommand},
        {"vote",
         "DAY RACE",
         {{"--trio"}, {"--trifecta"}, kAmount, kMode, kStrike, kYes, {"--no-plugin"}},
         "Writes the voting plug-in's CSV of the --trio or --trifecta table as the Hibari2投票 "
         "button does and starts the plug-in (not with --no-plugin), and adds the vote to the vote "
         "record. --yes answers the confirmation (asked twice after the post time); without it "
         "the answer is No.",
         RunVoteCommand},
        {"votefile",
         "DAY RACE",
         {{"--type", "単勝|複勝|枠連|馬連|ワイド|馬単|３連複|３連単"},
          kAmount,
          kMode,
          kStrike,
          kYes},
         "Writes the PATBET vote file of the type's table (yymmdd.BET in Dir/kaime, the program "
         "folder's kaime by default), adds the vote to the vote record and prints the file's "
         "path; --yes answers the confirmation.",
         RunVoteFileCommand},
        {"backtest",
         "FROM TO",
         {kAmount, kMode, {"--odds", "final|bettime"}, kCsv, {"--png", "FILE"}, kJobs},
         "Replays every race of the stored days FROM..TO (yyyy-mm-dd) as a click on it shows it, "
         "with the settings (or the amount and mode given), N days at a time (one a core unless "
         "given; the result is the same for any N), and prints for ３連複 and ３連単 per day and "
         "in total: races bet, hit, stake, return, hit and return rate, largest drawdown and the "
         "running balance. --csv writes that table, --png the chart of the running balances "
         "(３連複 blue, ３連単 red, the zero line dashed; the window's chart also labels it). "
         "--odds bettime (the default where an odds history exists: the time-series folder, else "
         "the program's own) replays each race at the announcement nearest its first odds-fetch "
         "time, as 時系列オッズより取得 takes it but in memory; races without one keep the stored "
         "odds, and the table ends with how many races used each. --odds final replays the stored "
         "odds. Nothing is stored, no setting changes.",
         RunBacktestCommand},
        {"sweep",
         "FROM TO",
         {{"--set", "KEY=V1,V2,...", true},
          {"--split", "DAY"},
          {"--type", "trio|trifecta|both"},
          {"--odds", "final|bettime"},
          kCsv,
          kJobs},
         "The backtest of every combination of the values given (at most 1000), each day read "
         "once. KEY is a setting as Section/Key: KaimeSet/DefaultAmount (the amount of every "
         "race), KaimeSet/HaibunSet, KaimeSet/KellyPercent, Nin100/SRF, Nin100/SRT and the race "
         "pattern bounds Race1Strong/1nin ... Race3Strong/4nin. One row per combination: its "
         "values, then races bet, stake, return, return rate and largest drawdown of the days "
         "before DAY (前半, in-sample; the middle day of the range by default) and from DAY on "
         "(後半, out-of-sample), best in-sample return rate first. --type counts one net (both "
         "bet together by default). --odds is the backtest's (bettime by default where an odds "
         "history exists), and the line under the table says which odds the races took. Nothing "
         "is stored, no setting changes.",
         RunSweepCommand},
        {"calibrate",
         "FROM TO",
         {{"--save"}, {"--png", "FILE"}, kJobs},
         "Fits the chances model (α, λ, τ) by maximum likelihood on every race of the stored days "
         "FROM..TO (yyyy-mm-dd) that has win odds and its first three (from the runner records or "
         "the payouts); races with fewer than five priced runners, dead heats for the places and "
         "races without a result are left out and counted, and with fewer than 100 races nothing "
         "is fitted (exit 1). Prints per model (the popularity rates, the odds by the plain "
         "Harville rule, the fit) the races used, the mean log-likelihood per race and the "
         "pseudo-R2 (1 - LL ÷ LL0) against every order equally likely, then the trio tickets in "
         "ten bins of "
         "predicted chance: mean chance, observed hit frequency and count. --png writes that "
         "reliability chart against the diagonal; --save writes the fitted Model/Alpha, "
         "Model/Lambda and Model/Tau.",
         RunCalibrateCommand},
        {"journal",
         "[FROM TO]",
         {kCsv},
         "The vote record (投票記録): every vote sent to the voting plug-in, as a vote file or "
         "copied, with its tickets, stake, hits and return (未確定 until its race's payouts are "
         "stored), then votes, stake, return and the running balance by day, by month and in "
         "total, for the race days FROM..TO (yyyy-mm-dd; all when not given). --csv writes both "
         "tables.",
         RunJournalCommand},
        {"fetch",
         "odds|results|mining|changes DAY [RACE]",
         {},
         "The race-day fetches of the window's buttons for the loaded day (and selected race); "
         "prints the index table after odds and mining, the results after results and the race's "
         "header after changes.",
         Fetch},
        {"tally",
         "DAY",
         {},
         "集計 of every bet type." + std::string(kReportHelp),
         RunReportCommand},
        {"verify",
         "DAY",
         {},
         "検証: 枠連 race by race." + std::string(kReportHelp),
         RunReportCommand},
        {"hits",
         "DAY",
         {{"--threshold", "YEN"}},
         "的中: the hit trios and trifectas paying more than YEN, 0 by default; 5000 is 穴的中." +
             std::string(kReportHelp),
         RunReportCommand},
        {"stats",
         "DAY|YEAR",
         {kYes},
         "The statistics CSV of DAY, or of every stored day of YEAR (asks first: --yes answers "
         "it)." +
             std::string(kReportHelp),
         RunReportCommand},
        {"odds-history",
         "DAY RACE",
         {},
         "The win odds of RACE at each announcement of its day in the time-series folder "
         "(Dir/jikeiretu, else the program's own history kept by every race-day odds fetch): one "
         "row per announcement, its time and the odds of each horse.",
         OddsHistoryCommand},
        {"import-timeseries",
         "DAY",
         {},
         "時系列オッズより取得 for DAY: the announcement nearest each race's odds-fetch time goes "
         "into the day's odds files; prints how many races were taken.",
         ImportTimeSeriesCommand},
        {"ledger",
         "[add DAY RACE AMOUNT | delete N | clear]",
         {kYes},
         "The loss ledger (ruison.csv): its entries and the cumulative loss. add records AMOUNT "
         "yen (negative for a recovery) for RACE of DAY, delete deletes entry N, clear clears the "
         "ledger, as the 損失金管理 window does. --yes answers its questions.",
         RunLedgerCommand},
        {"settings",
         "investment | model | source [demo|component|FOLDER]",
         {kAmount,
          {"--rate", "PCT"},
          {"--target", "YEN"},
          {"--bankroll", "YEN"},
          {"--alpha", "A"},
          {"--lambda", "L"},
          {"--tau", "T"}},
         "investment prints, and with options writes, the default amount per race, the increase "
         "rate and the target profit of 投資金設定 (a value below 100 is stored as 100), and the "
         "bankroll ケリー stakes from (0..99999999 yen; the amount is the race's stake of 均等 "
         "and 比例 only). model prints, and with options writes, the powers of the chances model "
         "(Model/Alpha, Model/Lambda, Model/Tau; each held to 0.3..2.0). source "
         "prints, and with a value sets, where the data come from: the built-in demo service, the "
         "installed JV-Link component (through kagiroi-jvlink-bridge in a 64-bit program) or a "
         "folder of JV-Data record files. It takes effect at the next download.",
         RunSettingsCommand},
        {"print",
         "DAY",
         {{"--pdf", "FILE"}},
         "The race list page (一覧表) of DAY as the print menu draws it: one drawing operation a "
         "line (text, line or rectangle), positions in tenths of a millimetre on A4 landscape. "
         "--pdf writes the page to FILE instead, the same PDF as the print window's PDFに保存, "
         "and prints its path; the desktop program (kagiroi) beside kagiroi-cli renders it "
         "without showing a window, so a build without the window cannot.",
         RunPrintCommand},
        {"mail",
         "test | deliver DAY RACE",
         {kYes},
         "test sends the test message of the mail settings (メール設定) with the stored settings "
         "and prints each status the dialog would show; --yes answers its question. deliver "
         "prints the race's delivery (its heading and its net as staked); with --yes it is also "
         "mailed to the stored address now, printing each status.",
         RunMailCommand},
        {"demo", nullptr, kDownloadOptions,
         "Downloads what is new, loads today and prints the net of the next race with its stakes.",
         Demo},
    };
    return commands;
}

}  // namespace

int RunCli(const std::string& programFile, const std::vector<std::string>& args) {
    CliCommandLine line = ReadCommandLine(Commands(), args);
    // The help is Shift_JIS like every text of the program.
    bool sjis = std::find(args.begin(), args.end(), "--sjis") != args.end();
    std::string help = sjis ? line.helpText : SjisToUtf8(line.helpText);
    if (line.help) {
        std::fputs(help.c_str(), stdout);
        return kExitOk;
    }
    if (!line.command) {
        // It names what the user typed, as typed.
        std::fprintf(stderr, "%s\n%s", line.usage.c_str(), line.withHelp ? help.c_str() : "");
        return kExitUsage;
    }
    CliOptions& options = line.options;
    options.workingFolder = AbsolutePath(".");
    options.programFile = programFile;
    if (auto home = options.Value("--home")) OverrideProgramHome(Utf8ToSjis(*home));

    std::string programFolder = ResolveProgramFolder(programFile);
    // Its lock and the folders the program owns in it hold for the whole run.
    RegisterProgramFolder(programFolder);
    CliSession session(programFolder, options);
    if (!session.Start()) return kExitRefused;
    int status = line.command->handler(session, options);
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
