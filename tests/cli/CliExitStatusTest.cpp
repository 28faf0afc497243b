#include "cli/CliFixture.h"
#include "daystore/DayFiles.h"
#include "platform/FileSystem.h"
#include "platform/Sjis.h"

#include <gtest/gtest.h>

namespace kagiroi::test {
namespace {

using CliExitStatusTest = CliTest;

TEST_F(CliExitStatusTest, HelpListsEveryCommandInTheOutputEncoding) {
    for (std::vector<std::string> args :
         {std::vector<std::string>{"--help"}, {"help"}, {"race", "--help"}}) {
        CliRun run = Run(args);
        EXPECT_EQ(0, run.status) << args[0];
        EXPECT_EQ("", run.err);
        for (const char* command : {"download",     "days",
                                    "race",         "vote",
                                    "votefile",     "backtest",
                                    "sweep",        "fetch",
                                    "tally",        "verify",
                                    "hits",         "stats",
                                    "odds-history", "import-timeseries",
                                    "ledger",       "settings",
                                    "print",        "mail",
                                    "demo",         "journal"})
            EXPECT_NE(std::string::npos, run.out.find(std::string("\n  ") + command))
                << command << " in " << run.out;
        EXPECT_NE(std::string::npos, run.out.find(SjisToUtf8("Hibari2投票")))
            << "the help is UTF-8 like the rest of the output";
    }
    CliRun sjis = Run({"--help", "--sjis"});
    EXPECT_NE(std::string::npos, sjis.out.find("Hibari2投票"));
    EXPECT_TRUE(IsValidSjis(sjis.out));
    EXPECT_FALSE(DirectoryExists(home / "Data")) << "help touches no folder";
}

TEST_F(CliExitStatusTest, AClockSettingThatDoesNotReadIsToldOnStandardErrorAndLogged) {
    CliEnvironment environment = Environment();
    environment.now = "2024-13-45T25:00:00";
    CliRun run = RunKagiroiCli({"days"}, environment);
    EXPECT_NE(std::string::npos, run.err.find("KAGIROI_NOW=2024-13-45T25:00:00")) << run.err;
    auto log = ReadWholeFile(home / "ErrorLog.txt");
    ASSERT_TRUE(log.has_value());
    EXPECT_NE(std::string::npos, log->find("KAGIROI_NOW=2024-13-45T25:00:00"));
}

TEST_F(CliExitStatusTest, WrongUsageExitsTwoBeforeAnythingStarts) {
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"bogus"},
        {"days", "extra"},
        {"download", "2024-01-07"},
        {"demo", "now"},
        {"days", "--bogus"},
        {"download", "--final-odd"},
        {"race", "--table"},
        {"download", "--from"},
    };
    for (const auto& args : wrong) {
        CliRun run = Run(args);
        std::string shown = args.empty() ? "(nothing)" : args[0];
        EXPECT_EQ(2, run.status) << shown;
        EXPECT_EQ("", run.out) << shown;
        EXPECT_FALSE(run.err.empty()) << shown;
    }
    EXPECT_NE(std::string::npos, Run({"bogus"}).err.find("unknown command: bogus"));
    EXPECT_NE(std::string::npos, Run({"days", "--bogus"}).err.find("unknown option: --bogus"));
    EXPECT_NE(std::string::npos, Run({"race", "--table"}).err.find("--table needs a value"));
    EXPECT_FALSE(DirectoryExists(home / "Data")) << "nothing is started on wrong usage";
}

// An option is taken only by the commands that use it: a run never ignores one it was given.
TEST_F(CliExitStatusTest, EachCommandRefusesAnOptionItDoesNotTake) {
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        {{"download", "--trio"}, "download does not take --trio"},
        {{"days", "--trio"}, "days does not take --trio"},
        {{"race", kPastDay, "1", "--yes"}, "race does not take --yes"},
        {{"vote", kPastDay, "1", "--trio", "--table", "trio"}, "vote does not take --table"},
        {{"votefile", kPastDay, "1", "--trio"}, "votefile does not take --trio"},
        {{"backtest", kPastDay, kPastDay, "--strike", "1"}, "backtest does not take --strike"},
        {{"sweep", kPastDay, kPastDay, "--amount", "100"}, "sweep does not take --amount"},
        {{"fetch", "odds", kPastDay, "--yes"}, "fetch does not take --yes"},
        {{"tally", kPastDay, "--threshold", "5000"}, "tally does not take --threshold"},
        {{"verify", kPastDay, "--yes"}, "verify does not take --yes"},
        {{"hits", kPastDay, "--yes"}, "hits does not take --yes"},
        {{"stats", kPastDay, "--threshold", "5000"}, "stats does not take --threshold"},
        {{"odds-history", kPastDay, "1", "--table", "trio"}, "odds-history does not take --table"},
        {{"import-timeseries", kPastDay, "--yes"}, "import-timeseries does not take --yes"},
        {{"ledger", "--amount", "100"}, "ledger does not take --amount"},
        {{"settings", "investment", "--yes"}, "settings does not take --yes"},
        {{"print", kPastDay, "--jobs", "2"}, "print does not take --jobs"},
        {{"mail", "test", "--table", "trio"}, "mail does not take --table"},
        {{"demo", "--yes"}, "demo does not take --yes"},
        {{"journal", "--trio"}, "journal does not take --trio"},
        {{"--trio", "vote", kPastDay, "1"}, "give --trio after the command"},
        {{"days", "--home"}, "--home needs a value"},
        {{"bogus", "--yes"}, "unknown command: bogus"},
    };
    for (const auto& [args, message] : refused) {
        CliRun run = Run(args);
        EXPECT_EQ(2, run.status) << message;
        EXPECT_EQ("", run.out) << message;
        EXPECT_NE(std::string::npos, run.err.find(message)) << run.err;
    }
    EXPECT_FALSE(DirectoryExists(home / "Data")) << "nothing is started on wrong usage";
    CliRun missing = Run({"print"});
    EXPECT_EQ(2, missing.status);
    EXPECT_EQ("give print DAY\n", missing.err) << "a missing argument is the command's to name";
}

TEST_F(CliExitStatusTest, WrongRaceOptionsAreWrongUsage) {
    UseDownloadedDays();
    const std::vector<std::vector<std::string>> wrong = {
        {"race"},
        {"race", kPastDay},
        {"race", kPastDay, "1", "2"},
        {"race", kPastDay, "1", "--table", "odds"},
        {"race", kPastDay, "1", "--mode", "even"},
        {"race", kPastDay, "1", "--amount", "12.5"},
        {"race", kPastDay, "1", "--amount", "-100"},
        {"race", kPastDay, "1", "--amount", "1000000"},
        {"race", kPastDay, "1", "--amount", ""},
        {"vote", kPastDay, "1", "--trio", "--mode", "all"},
    };
    for (const auto& args : wrong) {
        CliRun run = Run(args);
        EXPECT_EQ(2, run.status) << ::testing::PrintToString(args);
        EXPECT_EQ("", run.out) << ::testing::PrintToString(args);
    }
    EXPECT_EQ(0, Run({"race", kPastDay, "1", "--amount", "999999", "--table", "totals"}).status)
        << "six digits are the largest amount";
}

TEST_F(CliExitStatusTest, ADayOrRaceThatDoesNotExistIsRefused) {
    UseDownloadedDays();
    const std::vector<std::pair<std::vector<std::string>, std::string>> refused = {
        {{"race", "2024-01-08", "1"}, "the day store holds no 2024-01-08"},
        {{"race", "2024-1-7", "1"}, "day must be given as yyyy-mm-dd: 2024-1-7"},
        {{"race", "2024-02-30", "1"}, "the day store holds no 2024-02-30"},
        {{"race", kPastDay, "0"}, "the day has no race 0"},
        {{"race", kPastDay, "25"}, "the day has no race 25"},
        {{"race", kPastDay, "09-01"}, "the day has no race 09-01"},
        {{"race", kPastDay, "06-13"}, "the day has no race 06-13"},
        {{"race", kPastDay, "6-1"}, "the day has no race 6-1"},
        {{"vote", "2024-01-09", "1", "--trio", "--yes", "--no-plugin"},
         "the day store holds no 2024-01-09"},
    };
    for (const auto& [args, message] : refused) {
        CliRun run = Run(args);
        EXPECT_EQ(1, run.status) << message;
        EXPECT_EQ("", run.out) << message;
        EXPECT_NE(std::string::npos, run.err.find(message)) << run.err;
    }
}

TEST_F(CliExitStatusTest, AnUnreadableOddsFileIsToldOnceAndTheRestIsShown) {
    UseDownloadedDays();
    std::string o6 = PathsForDay(home.Path(), *DayTextFromDate("20240107")).o6File;
    ASSERT_TRUE(RemoveFile(o6));
    ASSERT_TRUE(MakeDirectories(o6));
    std::string message = o6 + "：ファイルを読み込めないため、そのオッズを空欄にしました。";

    CliRun run = Run({"race", kPastDay, "1", "--table", "trio"});
    EXPECT_EQ(1, run.status);
    EXPECT_EQ(SjisToUtf8(message) + "\n", run.err);
    EXPECT_GT(OutputLines(run.out).size(), 2u) << "the trio file was read past the bad one";

    InProcessForm f(home.Path());
    f.LoadDay(kPastDay);
    f.form.Fetches().OzReadBtnClick(3);
    EXPECT_EQ(std::vector<std::string>{message}, f.ui.Messages()) << "one message for the day";
    EXPECT_EQ(std::vector<std::string>{o6}, f.form.UnreadableOddsFiles());
}

}  // namespace
}  // namespace kagiroi::test
