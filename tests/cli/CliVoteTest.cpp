#include "cli/CliFixture.h"
#include "platform/FileSystem.h"
#include "platform/Format.h"
#include "platform/SettingsFile.h"
#include "platform/Sjis.h"
#include "platform/TextField.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace kagiroi::test {
namespace {

constexpr const char* kPluginKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Hibari投票プラグイン２_is1";

class CliVoteTest : public CliTest {
  protected:
    void SetUp() override {
        UseDownloadedDays();
        ASSERT_TRUE(MakeDirectory(plugin / "kaime"));
    }
    // The plug-in folder as the folder command stores it.
    void SetPluginFolder() {
        SettingsFile(home / "kagiroi.ini").WriteString("Dir", "HibariTohyo2", plugin.Path());
    }
    // The plug-in folder as its installer records it.
    void RecordPluginInstall() {
        WriteFileAtomic(registry, std::string("[") + kPluginKey +
                                      "]\r\nInno Setup: App Path=" + plugin.Path() + "\r\n");
    }
    std::string CsvPath() const { return plugin / "kaime/240107.csv"; }
    std::string Csv() const { return ReadWholeFile(CsvPath()).value_or(""); }

    // The file the window's Hibari2投票 writes for the same race after the same clicks.
    std::string WindowCsv(InProcessForm& f, TicketTab tab) {
        RemoveFile(CsvPath());
        f.form.PageControl2Change(tab);
        EXPECT_EQ(VoteOutcome::Started, f.form.TohyoCSVBtnClick());
        return Csv();
    }
    std::string Question(const InProcessForm& f, int item, BetType type) const {
        return "[" + f.form.DayList().RaceList[static_cast<size_t>(item)] + ":" +
               BetTypeName(type) + "]に投票します。実行してよろしいですか？";
    }

    TempFolder plugin;
};

int StakedRows(const TextGrid& table) {
    int staked = 0;
    for (int r = 1; r < table.RowCount(); ++r)
        staked += !IsBlank(table.Cell(6, r)) && IsBlank(table.Cell(0, r)) ? 1 : 0;
    return staked;
}

TEST_F(CliVoteTest, WritesTheTrioTicketsAsTheWindowsButtonDoes) {
    SetPluginFolder();
    CliRun run = Run({"vote", kPastDay, "1", "--trio", "--yes", "--no-plugin"});
    ASSERT_EQ(0, run.status) << run.err;
    std::string cli = Csv();

    InProcessForm f(home.Path());
    f.SelectRace(kPastDay, 0);
    EXPECT_NE(std::string::npos, run.err.find(SjisToUtf8(Question(f, 0, BetType::Trio))))
        << run.err;
    std::vector<std::string> lines = OutputLines(cli);
    EXPECT_EQ(StakedRows(f.form.Betting().Bets.Table(BetType::Trio)),
              static_cast<int>(lines.size()));
    ASSERT_FALSE(lines.empty());
    std::string start = "20240107," + f.CourseRace(0).substr(0, 2) + ",01,SANFUKU,NORMAL,";
    EXPECT_EQ(start, lines[0].substr(0, start.size()));
    EXPECT_EQ(WindowCsv(f, TicketTab::Trio), cli);
    ASSERT_EQ(1u, f.shell.started.size());
    EXPECT_EQ(std::vector<std::string>{CsvPath()}, f.shell.started[0].parameters);
}

TEST_F(CliVoteTest, TrifectaWithStakeOptionsFromTheInstallerRecords) {
    RecordPluginInstall();
    InProcessForm before(home.Path());
    before.LoadDay(kPastDay);
    std::string race = before.CourseRace(13);
    CliRun run = Run({"vote", kPastDay, race, "--trifecta", "--amount", "8000", "--mode", "equal",
                      "--strike", "1,2", "--yes", "--no-plugin"});
    ASSERT_EQ(0, run.status) << run.err;
    std::string cli = Csv();
    EXPECT_TEXT_EQ(plugin.Path(),
                   SettingsFile(home / "kagiroi.ini").ReadString("Dir", "HibariTohyo2", ""))
        << "the start-up took the folder from the installer records";

    InProcessForm f(home.Path());
    f.SelectRace(kPastDay, 13);
    f.form.RadioGroup1Click(0);
    f.form.SaNumEditExC1Change("8000");
    std::vector<std::string> struck;
    for (int number : {1, 2}) {
        int row = f.TicketRow(BetType::Trifecta, number);
        ASSERT_GT(row, 0);
        f.form.TicketTableClick(BetType::Trifecta, 0, row);
        struck.push_back(PluginCombination(
            BetType::Trifecta, f.form.Betting().Bets.Table(BetType::Trifecta).Cell(2, row)));
    }
    EXPECT_EQ(WindowCsv(f, TicketTab::Trifecta), cli);
    for (const auto& combination : struck)
        EXPECT_EQ(std::string::npos, cli.find("," + combination + ",")) << combination;
    EXPECT_NE(std::string::npos, cli.find(",SANTAN,NORMAL,"));
}

TEST_F(CliVoteTest, WithoutYesTheConfirmationIsAnsweredNo) {
    SetPluginFolder();
    InProcessForm f(home.Path());
    f.LoadDay(kPastDay);
    for (bool sjis : {false, true}) {
        std::vector<std::string> args{"vote", kPastDay, "1", "--trio", "--no-plugin"};
        if (sjis) args.push_back("--sjis");
        CliRun run = Run(args);
        EXPECT_EQ(1, run.status);
        std::string question = Question(f, 0, BetType::Trio);
        EXPECT_NE(std::string::npos, run.err.find(sjis ? question : SjisToUtf8(question)))
            << run.err;
        EXPECT_FALSE(FileExists(CsvPath()));
    }
}

TEST_F(CliVoteTest, ARaceWithoutTicketsHasNothingToVote) {
    SetPluginFolder();
    // Today's races have no odds yet: the net is empty.
    CliRun run = Run({"vote", kToday, "12", "--trio", "--yes", "--no-plugin"});
    EXPECT_EQ(1, run.status);
    EXPECT_NE(std::string::npos, run.err.find(SjisToUtf8("買い目が作成されていません。")));
    EXPECT_TRUE(ListFiles(plugin / "kaime").empty());
}

TEST_F(CliVoteTest, WithoutAPluginFolderNothingIsWritten) {
    CliRun run = Run({"vote", kPastDay, "1", "--trio", "--yes", "--no-plugin"});
    EXPECT_EQ(1, run.status);
    EXPECT_NE(
        std::string::npos,
        run.err.find(SjisToUtf8("「Hibari投票プラグイン２」が正常にインストールされていません。")));
    EXPECT_FALSE(FileExists(CsvPath()));
}

// A stand-in plug-in in `folder` that notes where it ran and what it was given. The run's
// output pipes stay open until it has ended, so its note is there when the run returns.
void InstallStandInPlugin(const std::string& folder) {
    std::string program = JoinPath(folder, "HibariTohyoPlugIn2");
    ASSERT_TRUE(
        WriteFileAtomic(program, "#!/bin/sh\nprintf '%s\\n%s\\n' \"$PWD\" \"$1\" > started.txt\n"));
    ASSERT_EQ(0, ::chmod(program.c_str(), 0755));
}

TEST_F(CliVoteTest, ThePluginIsStartedWithTheFileInItsFolder) {
    SetPluginFolder();
    InstallStandInPlugin(plugin.Path());
    CliRun run = Run({"vote", kPastDay, "1", "--trio", "--yes"});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_EQ(plugin.Path() + "\n" + CsvPath() + "\n",
              ReadWholeFile(plugin / "started.txt").value_or(""));
    EXPECT_FALSE(Csv().empty());
}

TEST_F(CliVoteTest, ARelativePluginFolderIsTheProgramFolders) {
    // The runs start in the test's own folder, not in the program folder.
    std::string folder = home / "hibari2";
    ASSERT_TRUE(MakeDirectories(JoinPath(folder, "kaime")));
    InstallStandInPlugin(folder);
    SettingsFile(home / "kagiroi.ini").WriteString("Dir", "HibariTohyo2", "hibari2");
    CliRun run = Run({"vote", kPastDay, "1", "--trio", "--yes"});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_EQ(folder + "\n" + folder + "/kaime/240107.csv\n",
              ReadWholeFile(JoinPath(folder, "started.txt")).value_or(""));
}

TEST_F(CliVoteTest, APluginThatCannotStartIsAFailure) {
    SetPluginFolder();
    CliRun run = Run({"vote", kPastDay, "1", "--trio", "--yes"});
    EXPECT_EQ(1, run.status);
    EXPECT_NE(std::string::npos,
              run.err.find(SjisToUtf8("投票プラグイン２の呼び出しでエラーが発生しました。")));
    EXPECT_FALSE(Csv().empty()) << "the tickets were saved before the start";
}

TEST_F(CliVoteTest, ExactlyOneBetTypeIsGiven) {
    SetPluginFolder();
    EXPECT_EQ(2, Run({"vote", kPastDay, "1", "--yes", "--no-plugin"}).status);
    EXPECT_EQ(2,
              Run({"vote", kPastDay, "1", "--trio", "--trifecta", "--yes", "--no-plugin"}).status);
    EXPECT_EQ(2, Run({"vote", kPastDay, "--trio", "--yes", "--no-plugin"}).status);
    EXPECT_FALSE(FileExists(CsvPath()));
}

}  // namespace
}  // namespace kagiroi::test
