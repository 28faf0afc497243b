#include "cli/CliFixture.h"
#include "platform/FileSystem.h"
#include "platform/SettingsFile.h"
#include "platform/Sjis.h"

#include <gtest/gtest.h>

#include <regex>

namespace kagiroi::test {
namespace {

const std::regex kSummary(R"(files: (\d+), records read: (\d+), stored: (\d+), LastTime: (.+))");

struct Summary {
    int files = -1;
    long long read = -1, stored = -1;
    std::string lastTime;
};

Summary ParseSummary(const std::string& out) {
    std::vector<std::string> lines = OutputLines(out);
    std::smatch m;
    Summary s;
    if (lines.size() != 1 || !std::regex_match(lines[0], m, kSummary)) {
        ADD_FAILURE() << "not one summary line: " << out;
        return s;
    }
    return {std::stoi(m[1]), std::stoll(m[2]), std::stoll(m[3]), m[4]};
}

std::string StoredLastTime(const std::string& home) {
    return SettingsFile(home + "/kagiroi.ini").ReadString("JvDataGet", "LastTime", "");
}

using CliDownloadTest = CliTest;

TEST_F(CliDownloadTest, DownloadsOnceAndThenFindsNothingNew) {
    CliRun first = Run({"download"});
    ASSERT_EQ(0, first.status) << first.err;
    Summary s = ParseSummary(first.out);
    EXPECT_GT(s.files, 0);
    EXPECT_GT(s.read, 0);
    EXPECT_GT(s.stored, 0);
    EXPECT_LE(s.stored, s.read) << "only the wanted records are stored";
    EXPECT_EQ(StoredLastTime(home.Path()), s.lastTime) << "the summary names the stored stamp";
    EXPECT_NE(std::string::npos, first.err.find(SjisToUtf8("以降のデータ取込を開始します。")))
        << "the dialog's start message goes to standard error";
    EXPECT_TRUE(FileExists(home / "Data/2024年01月07日.jvRA"));

    CliRun second = Run({"download"});
    EXPECT_EQ(0, second.status) << "nothing new is no failure";
    Summary again = ParseSummary(second.out);
    EXPECT_EQ(0, again.files);
    EXPECT_EQ(0, again.stored);
    EXPECT_EQ("unchanged", again.lastTime);
    EXPECT_NE(std::string::npos, second.err.find(SjisToUtf8("最新のデータがありません。")));
    EXPECT_EQ(s.lastTime, StoredLastTime(home.Path()));
}

TEST_F(CliDownloadTest, AStartStampLimitsTheDownload) {
    CliRun recent = Run({"download", "--from", "20240105000000"});
    ASSERT_EQ(0, recent.status) << recent.err;
    EXPECT_GT(ParseSummary(recent.out).files, 0);
    EXPECT_NE(std::string::npos, recent.err.find(SjisToUtf8("2024年01月05日00時00分00秒以降")))
        << recent.err;
    CliRun days = Run({"days"});
    EXPECT_EQ((std::vector<std::string>{"2024-01-10", "2024-01-07", "2024-01-06"}),
              OutputLines(days.out))
        << "only the days published after the stamp";
}

TEST_F(CliDownloadTest, ABadStartStampIsWrongUsageAndDownloadsNothing) {
    for (std::string stamp : {"2024010500", "20241305000000", "yesterday"}) {
        CliRun run = Run({"download", "--from", stamp});
        EXPECT_EQ(2, run.status) << stamp;
        EXPECT_EQ("", run.out) << stamp;
        EXPECT_NE(std::string::npos, run.err.find("--from takes yyyymmddhhnnss: " + stamp));
    }
    EXPECT_TRUE(ListFiles(home / "Data").empty());
    EXPECT_EQ("", StoredLastTime(home.Path()));
}

TEST_F(CliDownloadTest, FinalOddsAreStoredOnlyWhenAskedFor) {
    ASSERT_EQ(0, Run({"download"}).status);
    TempFolder withOdds;
    UseDownloadedDays(withOdds.Path());  // downloaded with --final-odds
    for (const char* kind : {"O1", "O5", "O6"}) {
        std::string file = std::string("Data/2024年01月07日.jv") + kind;
        EXPECT_FALSE(FileExists(home / file)) << kind;
        EXPECT_TRUE(FileExists(withOdds / file)) << kind;
    }
}

TEST_F(CliDownloadTest, ADownloadTheServiceRefusesIsRefused) {
    // A folder feed whose folder is missing cannot be opened.
    SettingsFile(home / "kagiroi.ini").WriteString("JvLink", "Source", home / "missing");
    CliRun run = Run({"download"});
    EXPECT_EQ(1, run.status);
    Summary s = ParseSummary(run.out);
    EXPECT_EQ(0, s.files);
    EXPECT_EQ("unchanged", s.lastTime);
    EXPECT_NE(std::string::npos, run.err.find(SjisToUtf8("JVOpenエラー"))) << run.err;
    EXPECT_EQ("", StoredLastTime(home.Path()));
}

using CliDaysTest = CliTest;

TEST_F(CliDaysTest, ListsTheStoredDaysNewestFirst) {
    UseDownloadedDays();
    CliRun run = Run({"days"});
    ASSERT_EQ(0, run.status) << run.err;
    // The demo races on the weekends around the Wednesday of the clock, and on that day.
    EXPECT_EQ("2024-01-10\n2024-01-07\n2024-01-06\n2023-12-31\n2023-12-30\n", run.out);
}

TEST_F(CliDaysTest, AnEmptyStoreListsNothing) {
    CliRun run = Run({"days"});
    EXPECT_EQ(0, run.status);
    EXPECT_EQ("", run.out);
}

TEST_F(CliDaysTest, HomeOptionChoosesTheFolderOverTheEnvironment) {
    UseDownloadedDays();
    TempFolder empty;
    CliEnvironment elsewhere{empty.Path(), kCliNow, registry};
    EXPECT_EQ("", RunKagiroiCli({"days"}, elsewhere).out);
    CliRun run = RunKagiroiCli({"days", "--home", home.Path()}, elsewhere);
    EXPECT_EQ(0, run.status);
    EXPECT_EQ(Run({"days"}).out, run.out);
    EXPECT_FALSE(run.out.empty());

    std::string fresh = empty / "new/folder";
    EXPECT_EQ(0, RunKagiroiCli({"days", "--home", fresh}, elsewhere).status);
    EXPECT_TRUE(DirectoryExists(fresh + "/Data")) << "a named folder is made with its store";
    ASSERT_TRUE(WriteFileAtomic(empty / "file", "x"));
    CliRun blocked = RunKagiroiCli({"days", "--home", empty / "file"}, elsewhere);
    EXPECT_EQ(1, blocked.status);
    EXPECT_NE(std::string::npos, blocked.err.find("no program folder")) << blocked.err;
}

}  // namespace
}  // namespace kagiroi::test
