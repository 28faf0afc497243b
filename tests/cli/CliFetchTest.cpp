#include "cli/CliFixture.h"
#include "platform/FileSystem.h"
#include "platform/SettingsFile.h"
#include "platform/Sjis.h"
#include "platform/TextField.h"

#include <gtest/gtest.h>

#include <regex>

namespace kagiroi::test {
namespace {

// The 単オッズ column of the index table.
constexpr size_t kWinOddsColumn = 6;

bool ColumnIsBlank(const Rows& rows, size_t col) {
    for (size_t r = 1; r < rows.size(); ++r)
        if (col < rows[r].size() && !IsBlank(rows[r][col])) return false;
    return true;
}

class CliFetchTest : public CliTest {
  protected:
    void SetUp() override { UseDownloadedDays(); }
    // A table of today's race `race` as the program shows it from the stored files.
    Rows TodayTable(const std::string& race, const std::string& table) {
        CliRun run = Run({"race", kToday, race, "--table", table});
        EXPECT_EQ(0, run.status) << run.err;
        return OutputRows(run.out);
    }
};

TEST_F(CliFetchTest, OddsOfARaceStillToRunAreStoredAndShown) {
    ASSERT_TRUE(ColumnIsBlank(TodayTable("12", "index"), kWinOddsColumn))
        << "the download brings no odds for today";
    CliRun run = Run({"fetch", "odds", kToday, "12"});
    ASSERT_EQ(0, run.status) << run.err;
    Rows index = OutputRows(run.out);
    ASSERT_EQ(17u, index.size());
    EXPECT_EQ(
        Cells(SjisToUtf8(" 1\t 2\tウララキング　　　　　　　　　　　　\tｾﾝ 7\t村上澪　\t58.0\t"
                         " 16.6\t 5\t 11.6\t\t  2.4\t 5\t 23.2\t 5\t1.59.05\t 3\t　\t　\t     ")),
        index[2]);
    EXPECT_EQ(index, TodayTable("12", "index")) << "the odds were stored";
    EXPECT_GT(TodayTable("12", "trio").size(), 2u) << "the odds make a net";
}

TEST_F(CliFetchTest, ResultsOfTheRacesThatHaveRun) {
    ASSERT_EQ("", TodayTable("1", "results").at(1).at(1));
    CliRun run = Run({"fetch", "results", kToday, "1"});
    ASSERT_EQ(0, run.status) << run.err;
    Rows rows = OutputRows(run.out);
    ASSERT_EQ(37u, rows.size());
    EXPECT_EQ(Cells(SjisToUtf8("単勝\t 6\t 3\t     560")), rows[1]) << "the first race has run";
    EXPECT_EQ(Cells(SjisToUtf8("複勝\t 9\t 2\t     170")), rows[5]);
    EXPECT_EQ(rows, TodayTable("1", "results"));

    // The last race posts in the afternoon: no result yet.
    CliRun later = Run({"fetch", "results", kToday, "12"});
    ASSERT_EQ(0, later.status) << later.err;
    rows = OutputRows(later.out);
    ASSERT_EQ(37u, rows.size());
    for (size_t r = 1; r < rows.size(); ++r)
        EXPECT_EQ((std::vector<std::string>{rows[r][0], "", "", ""}), rows[r]) << "row " << r;
}

TEST_F(CliFetchTest, MiningPredictionsAreStoredAndShownInTheIndexTable) {
    const std::string miningFile = home / "Data/2024年01月10日.jvDM";
    ASSERT_FALSE(FileExists(miningFile));
    CliRun run = Run({"fetch", "mining", kToday, "5"});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_FALSE(ReadWholeFile(miningFile).value_or("").empty());
    Rows index = OutputRows(run.out);
    ASSERT_EQ(14u, index.size());
    EXPECT_EQ(Cells(SjisToUtf8(
                  " 2\t 2\tルリロード　　　　　　　　　　　　　\t牡 3\t森田俊　\t57.0\t"
                  "     \t　\t     \t\t     \t　\t     \t     \t1.40.41\t 4\t　\t　\t     ")),
              index[2]);
    EXPECT_EQ(index, TodayTable("5", "index")) << "the predictions were stored";
}

TEST_F(CliFetchTest, ChangesAreStoredAndTheCardShown) {
    ASSERT_TRUE(ListFiles(home / "CHG").empty());
    CliRun run = Run({"fetch", "changes", kToday});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_FALSE(ListFiles(home / "CHG").empty());
    std::vector<std::string> header = OutputLines(run.out);
    ASSERT_EQ(7u, header.size()) << run.out;
    EXPECT_EQ(SjisToUtf8("中山1R"), header[0]);
    EXPECT_EQ(0u, header[1].find(SjisToUtf8("2024年01月10日(水)中山01回03日01R   09.50発走")))
        << header[1];
}

TEST_F(CliFetchTest, AFailedFetchIsRefusedWithTheWindowsMessage) {
    // A folder feed has no race-day data to give.
    TempFolder feed;
    SettingsFile(home / "kagiroi.ini").WriteString("JvLink", "Source", feed.Path());
    const std::vector<std::pair<std::string, std::string>> fetches = {
        {"odds", "ｵｯｽﾞはまだ発表されていません。"},  // the feed's "nothing yet" is no error
        {"results", "ﾚｰｽ情報データ取得エラー："},
        {"mining", "DMデータ取得エラー："},
        {"changes", "開催速報データ取得エラー："}};
    for (const auto& [what, failure] : fetches) {
        CliRun run = Run({"fetch", what, kToday, "1"});
        EXPECT_EQ(1, run.status) << what;
        EXPECT_EQ("", run.out) << what;
        EXPECT_NE(std::string::npos, run.err.find(SjisToUtf8(failure))) << run.err;
    }
}

TEST_F(CliFetchTest, WrongFetchesAreWrongUsageOrRefused) {
    EXPECT_EQ(2, Run({"fetch"}).status);
    EXPECT_EQ(2, Run({"fetch", "odds"}).status);
    EXPECT_EQ(2, Run({"fetch", "prices", kToday}).status);
    EXPECT_EQ(2, Run({"fetch", "odds", kToday, "1", "2"}).status);
    EXPECT_EQ(1, Run({"fetch", "odds", "2024-01-09"}).status) << "no race day";
    EXPECT_EQ(1, Run({"fetch", "odds", kToday, "99"}).status);
    EXPECT_EQ(1, Run({"fetch", "odds", kToday, "01-01"}).status) << "札幌 does not race";
}

using CliDemoTest = CliTest;

TEST_F(CliDemoTest, DownloadsAndPrintsTheNextRaceWithItsStakes) {
    CliRun run = Run({"demo"});
    ASSERT_EQ(0, run.status) << run.err;
    std::vector<std::string> lines = OutputLines(run.out);
    ASSERT_GT(lines.size(), 2u);
    EXPECT_TRUE(std::regex_match(lines[0], std::regex(R"(files: [1-9]\d*, .*)"))) << lines[0];
    EXPECT_EQ("", lines[1]);

    // At 11:00 the next race is 中山 4R (11.20), its odds fetched and its stakes allocated.
    std::vector<Rows> blocks = OutputBlocks(run.out);
    ASSERT_EQ(6u, blocks.size());
    ASSERT_EQ(7u, blocks[1].size());
    EXPECT_EQ(Cells(SjisToUtf8("中山4R")), blocks[1][0]);
    EXPECT_EQ(Cells(SjisToUtf8("2024年01月10日(水)中山01回03日04R   11.20発走  　　")),
              blocks[1][1]);
    EXPECT_EQ(11u, blocks[2].size()) << "ten runners";
    EXPECT_EQ(22u, blocks[3].size());
    ExpectSameRows(OutputRows(SjisToUtf8(
                       "券種\t買い点数\t投票金額\t予想回収率\t期待回収率\t回収金額\t合成ｵｯｽﾞ\tﾄﾘｶﾞﾐ"
                       "\t的中確率\t"
                       "期待値1以上\n"
                       "３連複\t 21\t  4400\t  645.3\t   75.6\t\t    1.1\t  6点\t 69.5%\t  0点\n"
                       "３連単\t126\t 13800\t 1177.2\t   70.5\t\t    1.0\t 28点\t 69.5%\t  0点\n")),
                   blocks[5], "totals");

    CliRun again = Run({"demo"});
    EXPECT_EQ(0, again.status) << "nothing new to download is no failure";
    EXPECT_TRUE(std::regex_match(OutputLines(again.out)[0],
                                 std::regex(R"(files: 0, .*LastTime: unchanged)")));
}

}  // namespace
}  // namespace kagiroi::test
