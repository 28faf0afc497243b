// What the command line says when a file or folder fails it: the file or folder and the reason.
#include "cli/CliFixture.h"
#include "platform/FileSystem.h"
#include "platform/SettingsFile.h"
#include "platform/Sjis.h"

#include <gtest/gtest.h>

namespace kagiroi::test {
namespace {

bool Says(const CliRun& run, const std::string& sjis) {
    return run.err.find(SjisToUtf8(sjis)) != std::string::npos;
}

class CliMessagesTest : public CliTest {
  protected:
    void SetUp() override { UseDownloadedDays(); }
};

TEST_F(CliMessagesTest, AFetchThatCannotWriteTheErrorLogNamesTheLogAndWhy) {
    RemoveFile(home / "ErrorLog.txt");
    ASSERT_TRUE(MakeDirectory(home / "ErrorLog.txt"));
    for (const char* what : {"odds", "results", "mining", "changes"}) {
        CliRun run = Run({"fetch", what, kToday, "1"});
        EXPECT_EQ(1, run.status) << what;
        EXPECT_TRUE(Says(run, home / "ErrorLog.txt を読み込めないため、書き込みませんでした：" +
                                  "同じ名前のフォルダがあります"))
            << what << ": " << run.err;
    }
}

TEST_F(CliMessagesTest, AProgramFolderThatRefusesWritesIsAccessDeniedNotMissing) {
    TempFolder folder;
    RefusedFolder refused(folder.Path());
    if (!refused.Refusing()) GTEST_SKIP() << "this system cannot refuse the test a folder";
    CliRun run = RunKagiroiCli({"days"}, {folder.Path(), kCliNow, registry});
    EXPECT_EQ(1, run.status);
    EXPECT_TRUE(Says(run, folder / "Data を作成できません：アクセスが拒否されました")) << run.err;
}

TEST_F(CliMessagesTest, ATimeSeriesFolderThatIsNoViewersIsNamedAndNothingIsImported) {
    ASSERT_TRUE(WriteFileAtomic(home / "a-file", "not a folder"));
    ASSERT_TRUE(MakeDirectories(home / "no-days/Data"));
    const std::pair<std::string, std::string> cases[] = {
        {home / "missing", " が見つかりません。"},
        {home / "a-file", " はﾌｫﾙﾀﾞではありません。"},
        {home / "no-days", " に日付(yyyymmdd)のﾌｫﾙﾀﾞがありません。"}};
    for (const auto& [folder, says] : cases) {
        SettingsFile(home / "kagiroi.ini").WriteString("Dir", "jikeiretu", folder);
        CliRun run = Run({"import-timeseries", kPastDay});
        EXPECT_EQ(1, run.status) << folder;
        EXPECT_EQ("", run.out) << folder;
        EXPECT_TRUE(Says(run, "時系列ｵｯｽﾞﾌｫﾙﾀﾞ " + folder + says)) << run.err;
    }
}

TEST_F(CliRaceMorningTest, AReplayCountsItsRacesWithoutDataInOneLine) {
    CliRun run = RunAt935({"backtest", "2026-12-13", "2026-12-13"});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_EQ(SjisToUtf8("データが不十分なレースが36件ありました。\n"), run.err);
}

}  // namespace
}  // namespace kagiroi::test
