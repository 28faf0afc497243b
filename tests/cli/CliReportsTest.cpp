#include "cli/CliFixture.h"
#include "platform/FileSystem.h"
#include "platform/Sjis.h"

#include <gtest/gtest.h>

namespace kagiroi::test {
namespace {

class CliReportsTest : public CliTest {
  protected:
    void SetUp() override { UseDownloadedDays(); }
};

TEST_F(CliReportsTest, ATallyPrintsItsTextAndThePathItWrote) {
    CliRun run = Run({"tally", kPastDay});
    ASSERT_EQ(0, run.status) << run.err;
    std::string path = home / "HPupload/Kaishu20240107.txt";
    EXPECT_EQ(0u, run.out.find(SjisToUtf8(" 集計 2024年01月07日"))) << run.out;
    EXPECT_NE(std::string::npos, run.out.find("written: " + path)) << run.out;
    EXPECT_TRUE(FileExists(path));
}

TEST_F(CliReportsTest, AYearExportWithoutYesWritesNothing) {
    CliRun run = Run({"stats", "2024"});
    EXPECT_EQ(1, run.status) << run.err;
    EXPECT_FALSE(FileExists(home / "CSV/KG2024.csv"));
    EXPECT_EQ(2, Run({"hits", kPastDay, "--threshold", "5千"}).status);
}

}  // namespace
}  // namespace kagiroi::test
