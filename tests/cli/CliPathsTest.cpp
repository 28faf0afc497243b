// Files and folders named on the command line are where the user means them: a relative name
// is taken from the folder the command was run from, not from the program folder.
#include "cli/CliFixture.h"
#include "platform/FileSystem.h"
#include "platform/Sjis.h"

#include <gtest/gtest.h>

namespace kagiroi::test {
namespace {

// The test's current folder (which a run inherits) for a while.
class RunFrom {
  public:
    explicit RunFrom(const std::string& folder) : before_(AbsolutePath(".")) {
        EXPECT_TRUE(SetCurrentFolder(folder));
    }
    ~RunFrom() { SetCurrentFolder(before_); }

  private:
    std::string before_;
};

class CliPathsTest : public CliTest {
  protected:
    void SetUp() override { UseDownloadedDays(); }
    TempFolder work;
};

TEST_F(CliPathsTest, BacktestFilesGoWhereTheCommandRan) {
    RunFrom here(work.Path());
    CliRun run =
        Run({"backtest", "2024-01-06", "2024-01-06", "--csv", "bt.csv", "--png", "bt.png"});
    ASSERT_EQ(0, run.status) << run.err;
    for (const char* name : {"bt.csv", "bt.png"}) {
        EXPECT_TRUE(FileExists(work / name)) << name;
        EXPECT_FALSE(FileExists(home / name)) << name;
        EXPECT_NE(std::string::npos, run.out.find(work / name)) << name;
    }
}

TEST_F(CliPathsTest, ASourceFolderIsTakenFromWhereTheCommandRan) {
    ASSERT_TRUE(MakeDirectory(work / "feed"));
    RunFrom here(work.Path());
    CliRun run = Run({"settings", "source", "feed"});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_EQ("Source\t" + work / "feed" + "\n", run.out);
}

}  // namespace
}  // namespace kagiroi::test
