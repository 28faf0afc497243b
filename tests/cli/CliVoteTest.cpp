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

    // The question of the window's voting button, with the race's list text.
    static std::string Question(const std::string& race, BetType type) {
        return "[" + race + ":" + BetTypeName(type) + "]に投票します。実行してよろしいですか？";
    }

    TempFolder plugin;
};

// 中山 1R of the settled Sunday: 21 trio tickets, the same stakes as its trio table.
TEST_F(CliVoteTest, WritesTheTrioTicketsAsTheWindowsButtonDoes) {
    SetPluginFolder();
    CliRun run = Run({"vote", kPastDay, "1", "--trio", "--yes", "--no-plugin"});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_NE(std::string::npos, run.err.find(SjisToUtf8(Question("中山 1R", BetType::Trio) +
                                                         "\r\n（21点　合計 4,100円）")))
        << run.err;
    std::vector<std::string> lines = OutputLines(Csv());
    ASSERT_EQ(21u, lines.size());
    const std::vector<std::pair<size_t, std::string>> tickets = {
        {0, "20240107,06,01,SANFUKU,NORMAL,100,02-05-06,"},
        {1, "20240107,06,01,SANFUKU,NORMAL,400,02-05-08,"},
        {13, "20240107,06,01,SANFUKU,NORMAL,700,05-08-13,"},
        {20, "20240107,06,01,SANFUKU,NORMAL,100,05-13-14,"}};
    for (const auto& [index, line] : tickets)
        EXPECT_EQ(line + "\r", lines[index]) << "lines end in CR LF";
}

// 京都 2R with 8000 yen shared equally: 124 tickets after two strikes, 100 yen each.
TEST_F(CliVoteTest, TrifectaWithStakeOptionsFromTheInstallerRecords) {
    RecordPluginInstall();
    CliRun run = Run({"vote", kPastDay, "08-02", "--trifecta", "--amount", "8000", "--mode",
                      "equal", "--strike", "1,2", "--yes", "--no-plugin"});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_TEXT_EQ(plugin.Path(),
                   SettingsFile(home / "kagiroi.ini").ReadString("Dir", "HibariTohyo2", ""))
        << "the start-up took the folder from the installer records";
    EXPECT_NE(std::string::npos, run.err.find(SjisToUtf8("（124点　合計 12,400円）"))) << run.err;
    std::vector<std::string> lines = OutputLines(Csv());
    ASSERT_EQ(124u, lines.size());
    EXPECT_EQ("20240107,08,02,SANTAN,NORMAL,100,04-05-09,\r", lines[0]) << "1 and 2 struck";
    for (const auto& line : lines)
        EXPECT_EQ(0u, line.rfind("20240107,08,02,SANTAN,NORMAL,100,", 0)) << line;
}

TEST_F(CliVoteTest, WithoutYesTheConfirmationIsAnsweredNo) {
    SetPluginFolder();
    for (bool sjis : {false, true}) {
        std::vector<std::string> args{"vote", kPastDay, "1", "--trio", "--no-plugin"};
        if (sjis) args.push_back("--sjis");
        CliRun run = Run(args);
        EXPECT_EQ(1, run.status);
        std::string question = Question("中山 1R", BetType::Trio);
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
