#include "cli/CliFixture.h"
#include "platform/SettingsFile.h"
#include "platform/Sjis.h"

#include <gtest/gtest.h>

namespace kagiroi::test {
namespace {

class CliTimeSeriesTest : public CliTest {
  protected:
    void SetUp() override {
        UseDownloadedDays();
        // The copied store names the folder it was made in; blank, the start-up fills in this one.
        SettingsFile(home / "kagiroi.ini").WriteString("Dir", "jikeiretu", "");
    }
    CliRun RunAt(const std::string& now, const std::vector<std::string>& args) const {
        CliEnvironment environment = Environment();
        environment.now = now;
        return RunKagiroiCli(args, environment);
    }
};

// Two odds fetches of today's last race are kept in the history; odds-history prints them as a
// table and import-timeseries takes the later one (nearer the race) back into the day file.
TEST_F(CliTimeSeriesTest, TheFetchedAnnouncementsArePrintedAndImported) {
    for (const char* now : {"2024-01-10T10:00:00", "2024-01-10T10:40:00"})
        ASSERT_EQ(0, RunAt(now, {"fetch", "odds", kToday, "12"}).status);

    CliRun history = Run({"odds-history", kToday, "12"});
    ASSERT_EQ(0, history.status) << history.err;
    Rows rows = OutputRows(history.out);
    ASSERT_EQ(3u, rows.size()) << history.out;
    EXPECT_EQ("発表", Utf8ToSjis(rows[0][0]));
    EXPECT_EQ("10:00", rows[1][0]);
    EXPECT_EQ("10:40", rows[2][0]);
    EXPECT_EQ(rows[0].size(), rows[2].size());

    CliRun import = Run({"import-timeseries", kToday});
    ASSERT_EQ(0, import.status) << import.err;
    EXPECT_EQ("1ﾚｰｽ分の単複枠ｵｯｽﾞ、\n1ﾚｰｽ分の3連単ｵｯｽﾞ\n1ﾚｰｽ分の3連複ｵｯｽﾞ\nを取りこみました。\n",
              Utf8ToSjis(import.out));
    EXPECT_EQ(1, Run({"import-timeseries", "2030-01-01"}).status);
}

}  // namespace
}  // namespace kagiroi::test
