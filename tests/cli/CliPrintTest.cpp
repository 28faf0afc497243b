#include "cli/CliFixture.h"
#include "platform/Sjis.h"
#include "printing/PageTable.h"
#include "printing/RaceListPage.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kagiroi::test
