#include "cli/CliFixture.h"
#include "platform/FileSystem.h"
#include "platform/Sjis.h"
#include "printing/PageTable.h"
#include "printing/RaceListPage.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kagiroi::test {
namespace {

class CliPrintTest : public CliTest {
  protected:
    void SetUp() override { UseDownloadedDays(); }
};

TEST_F(CliPrintTest, TheRaceListPageOfTheDayAsItsDrawingOperations) {
    CliRun run = Run({"print", kPastDay});
    ASSERT_EQ(0, run.status) << run.err;
    Rows printed = OutputRows(run.out);
    ASSERT_GT(printed.size(), 40u);
    EXPECT_EQ((std::vector<std::string>{"text", "100", "90", "", "", "", "14",
                                        SjisToUtf8("2024年 1月 7日 ")}),
              printed[1]);

    InProcessForm f(home.Path());
    f.LoadDay(kPastDay);
    ExpectSameRows(Utf8Rows(PageRows(DrawRaceList(f.form.Book()))), printed, "page");
}

TEST_F(CliPrintTest, ADayNotInTheStoreIsRefused) {
    CliRun run = Run({"print", "2023-01-01"});
    EXPECT_EQ(1, run.status);
    EXPECT_EQ("", run.out);
    EXPECT_EQ(2, Run({"print"}).status);
}

// The PDF is rendered by the desktop program beside kagiroi-cli; where it is missing, or the day
// is not there, nothing is written and the run fails with a word.
TEST_F(CliPrintTest, APdfWithoutTheDesktopProgramOrTheDayIsRefused) {
    std::string pdf = home / "page.pdf";
    CliRun noDay = Run({"print", "2023-01-01", "--pdf", pdf});
    EXPECT_EQ(1, noDay.status);
    EXPECT_NE(std::string::npos, noDay.err.find("2023-01-01")) << noDay.err;

    // kagiroi-cli alone in a folder of its own, as a build without the window leaves it.
    std::string alone = home / "alone";
    std::filesystem::create_directory(alone);
    std::string copy = JoinPath(alone, FileNameOf(KAGIROI_CLI_PATH));
    std::filesystem::copy_file(KAGIROI_CLI_PATH, copy);
    CliRun missing = RunKagiroiCli({"print", kPastDay, "--pdf", pdf}, Environment(), copy);
    EXPECT_EQ(1, missing.status);
    EXPECT_EQ("", missing.out);
    EXPECT_NE(std::string::npos, missing.err.find("not beside kagiroi-cli")) << missing.err;
    EXPECT_FALSE(FileExists(pdf));
}

}  // namespace
}  // namespace kagiroi::test
