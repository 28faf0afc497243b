#include "app/DemoFixture.h"
#include "app/MainFormFixture.h"
#include "daystore/RecordFields.h"
#include "odds/AnnouncementFile.h"
#include "odds/TimeSeriesImport.h"
#include "odds/TimeSeriesLayout.h"
#include "platform/DateTime.h"
#include "platform/FileSystem.h"
#include "platform/SettingsFile.h"
#include "platform/TextField.h"
#include "platform/TextLines.h"
#include "support/DayBuilder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

std::vector<std::string> LinesOf(const std::string& path) {
    return SplitLines(ReadWholeFile(path).value_or(""));
}

// A race day on the demo service: the odds fetched before a race are kept in the history, and
// the import takes back the announcement nearest the race's fetch time (ten minutes before its
// post time) in place of the later one the last fetch left in the day file.
TEST(TimeSeriesOddsDemo, TheHistoryOfTheDaysFetchesIsReadBackByTheImport) {
    test::DemoFixture demo({2024, 1, 6, 8, 30, 0});
    ASSERT_TRUE(demo.Download(false).completed);
    demo.LoadDay("20240106");
    TMainForm& form = demo.Form();
    const int slot = 3;
    const std::string race = form.Book()[slot].RaceInfo;
    int post = MinutesOfDay(FieldAt(race, RA::PostTime));
    form.Race().DatListClick(slot);
    for (int before : {60, 30, 12, 2}) {
        int at = post - before;
        demo.clock.Set({2024, 1, 6, at / 60, at % 60, 0});
        form.Fetches().SokuhoOddsBtnClick();
    }
    std::string o1 = *TimeSeriesFile(demo.Path("Jikeiretu"), race, OddsKind::O1);
    std::vector<std::string> history = LinesOf(o1);
    ASSERT_EQ(4u, history.size());
    for (OddsKind kind : {OddsKind::O5, OddsKind::O6})
        EXPECT_EQ(4u, LinesOf(*TimeSeriesFile(demo.Path("Jikeiretu"), race, kind)).size());
    form.Fetches().SokuhoOddsBtnClick();  // the same announcement again is not kept twice
    EXPECT_EQ(4u, LinesOf(o1).size());

    demo.ui.Clear();
    form.T1Click();
    ASSERT_EQ(1u, demo.ui.Messages().size());
    EXPECT_TEXT_EQ(TimeSeriesImportMessage({1, 1, 1}), demo.ui.Messages()[0]);
    EXPECT_EQ(Field(history[2], 32, 4), form.Book()[slot].Odds.OddsTime);
    EXPECT_TRUE(form.Status().RacePagesVisible) << "the day is loaded again";
}

TEST(TimeSeriesOddsRefusals, NoFolderChosenOrNoDayLoaded) {
    test::MainFormFixture f;
    test::WriteRaces(f.folder.Path(), test::MakeDay("20240106", {"06"}));
    TMainForm& form = f.Started();
    SettingsFile(f.Path("kagiroi.ini")).WriteString("Dir", "jikeiretu", f.folder.Path());
    form.T1Click();
    SettingsFile(f.Path("kagiroi.ini")).WriteString("Dir", "jikeiretu", f.Path("Jikeiretu"));
    form.T1Click();
    EXPECT_EQ((std::vector<std::string>{TimeSeriesFolderNotSetText(), TimeSeriesNoDayText()}),
              f.ui.Messages());
    EXPECT_EQ(2, f.ui.BeepCount());

    // With a day loaded, a folder that is not there (no fetch has kept a history yet) is named.
    form.DateListChange(0);
    EXPECT_FALSE(form.T1Click());
    EXPECT_TEXT_EQ("時系列ｵｯｽﾞﾌｫﾙﾀﾞ " + f.Path("Jikeiretu") + " が見つかりません。",
                   f.ui.Messages().back());
    EXPECT_EQ(3, f.ui.BeepCount());
}

}  // namespace
}  // namespace kagiroi
