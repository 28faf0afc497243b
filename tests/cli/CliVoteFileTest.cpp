#include "cli/CliFixture.h"
#include "platform/FileSystem.h"
#include "platform/Sjis.h"

#include <gtest/gtest.h>

namespace kagiroi::test {
namespace {

class CliVoteFileTest : public CliTest {
  protected:
    void SetUp() override { UseDownloadedDays(); }
    std::string FilePath() const { return home / "kaime/240107.BET"; }
};

TEST_F(CliVoteFileTest, WritesTheFileTheMenuWritesAndOnlyWhenConfirmed) {
    CliRun declined = Run({"votefile", kPastDay, "1", "--type", SjisToUtf8("３連単")});
    EXPECT_EQ(1, declined.status);
    EXPECT_FALSE(FileExists(FilePath()));

    CliRun run = Run({"votefile", kPastDay, "1", "--type", SjisToUtf8("三連単"), "--yes"});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_EQ(FilePath() + "\n", run.out);
    std::string cli = ReadWholeFile(FilePath()).value_or("");

    InProcessForm f(home.Path());
    f.LoadDay(kPastDay);
    f.form.Race().DatListClick(0);
    ASSERT_TRUE(RemoveFile(FilePath()));
    EXPECT_EQ(VoteFileOutcome::Written, f.form.Race().VoteFileMenuClick(BetType::Trifecta));
    EXPECT_EQ(ReadWholeFile(FilePath()).value_or("(none)"), cli);
    EXPECT_NE(std::string::npos, cli.find(" 1R ３連単 ")) << SjisToUtf8(cli);

    EXPECT_EQ(2, Run({"votefile", kPastDay, "1", "--type", "sanrentan"}).status);
}

}  // namespace
}  // namespace kagiroi::test
