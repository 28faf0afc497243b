#include "app/MainFormFixture.h"
#include "daystore/DayFiles.h"
#include "daystore/RecordLayout.h"
#include "platform/FileSystem.h"
#include "support/DayBuilder.h"
#include "support/MainFormProbe.h"
#include "support/RecordBuilder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

class LiveFetchTest : public ::testing::Test {
  protected:
    LiveFetchTest() : f({2024, 1, 6, 11, 0, 0}) {
        test::WriteRaces(f.folder.Path(), test::MakeDay("20240106", {"06"}));
    }
    std::string OddsRecord(int race) {
        return test::RecordBuilder("O1", kO1Length)
            .Put(3, "1")
            .Key("20240106", "06", 1, 1, race)
            .Put(28, "01061050");
    }
    std::string LogText() { return ReadWholeFile(f.Path("ErrorLog.txt")).value_or(""); }
    test::MainFormFixture f;
};

TEST_F(LiveFetchTest, OddsFetchWithoutASelectedRaceDoesNothing) {
    TMainForm& form = f.Started();
    form.Fetches().SokuhoOddsBtnClick();
    EXPECT_EQ(0, f.jvLink.CallCount("JVRTOpen"));
}

TEST_F(LiveFetchTest, OddsFetchStoresTheRaceOddsAndClosesItsRequestOnce) {
    TMainForm& form = f.LoadedFirstDay();
    form.Race().DatListClick(2);
    f.jvLink.QueueRecord(OddsRecord(3));
    f.jvLink.QueueRecord(test::RaceRecord({"20240106", "06", 3}));  // not the odds reader's kind
    form.Fetches().SokuhoOddsBtnClick();
    EXPECT_EQ("JVRTOpen:0B30:2024010606010103", f.jvLink.calls[0]);
    EXPECT_EQ(1, f.jvLink.CallCount("JVClose"));
    EXPECT_EQ(100000, f.jvLink.bufferSizes.front());
    EXPECT_TRUE(FileExists(f.Path("Data/2024年01月06日.jvO1")));
    EXPECT_EQ("", form.Status().DownloadLabel.text);
    EXPECT_EQ(0, f.ui.BeepCount());  // a successful odds close is silent
}

TEST_F(LiveFetchTest, AFailedResultsFetchIsLoggedAndClosesNothingOfAnother) {
    TMainForm& form = f.LoadedFirstDay();
    f.jvLink.rtOpenResult = -502;
    form.Fetches().ResultsBtnClick();
    EXPECT_EQ("JVRTOpen:0B12:20240106", f.jvLink.calls[0]);
    std::string failure = "中山 1R:ﾚｰｽ情報データ取得エラー：(-502)";
    EXPECT_TEXT_EQ(failure, form.Status().DownloadLabel.text);
    EXPECT_NE(std::string::npos, LogText().find("【エラー】11:00:00：" + failure));
    EXPECT_EQ(0, f.jvLink.CallCount("JVClose")) << "its open failed: nothing of its own";
    EXPECT_EQ(3, f.ui.BeepCount());  // the failure and both close steps

    f.ui.Clear();
    form.Fetches().ResultsBtnClick(/*quiet=*/true);
    EXPECT_EQ(0, f.ui.BeepCount());
}

TEST_F(LiveFetchTest, NothingNewerYetIsShownButNotLoggedAsAnError) {
    TMainForm& form = f.LoadedFirstDay();
    f.jvLink.rtOpenResult = -1;
    form.Fetches().ResultsBtnClick(/*quiet=*/true);
    EXPECT_TEXT_EQ(
        "中山 1R:ﾚｰｽ情報データ取得エラー： 取得済みデータより最新のデータがありません。(-1)",
        form.Status().DownloadLabel.text);
    EXPECT_EQ(std::string::npos, LogText().find("【エラー】"));
    EXPECT_EQ(0, f.ui.BeepCount());
    EXPECT_EQ(0, f.jvLink.CallCount("JVClose"));
}

// Odds not published yet (-1) are said plainly: no error text, no code, no beep, no log line.
TEST_F(LiveFetchTest, OddsNotYetPublishedAreNoError) {
    TMainForm& form = f.LoadedFirstDay();
    f.jvLink.rtOpenResult = -1;
    form.Fetches().SokuhoOddsBtnClick();
    EXPECT_TEXT_EQ("中山 1R:ｵｯｽﾞはまだ発表されていません。", form.Status().DownloadLabel.text);
    form.Fetches().AutoOddsFetch({"2024010606010104 3"});
    EXPECT_TEXT_EQ("中山 4R:ｵｯｽﾞはまだ発表されていません。", form.Status().DownloadLabel.text);
    EXPECT_EQ(std::string::npos, LogText().find("【エラー】"));
    EXPECT_EQ(0, f.ui.BeepCount());
}

TEST_F(LiveFetchTest, AFailingRaceOfTheAutomaticFetchDoesNotStopTheNext) {
    TMainForm& form = f.LoadedFirstDay();
    f.jvLink.rtOpenResults = {-301, 0};
    f.jvLink.reads.clear();
    form.Fetches().AutoOddsFetch({"2024010606010104 3", "2024010606010105 4"});
    EXPECT_EQ(2, f.jvLink.CallCount("JVRTOpen"));
    std::vector<std::string> opens;
    for (const auto& c : f.jvLink.calls)
        if (c.rfind("JVRTOpen", 0) == 0) opens.push_back(c);
    EXPECT_EQ("JVRTOpen:0B30:2024010606010105", opens.back());
    EXPECT_EQ(1, f.jvLink.CallCount("JVClose")) << "only the race that opened";
    EXPECT_NE(std::string::npos, LogText().find("中山 4R:認証エラーが発生しました。(-301)"));
}

TEST_F(LiveFetchTest, AServiceThatNeverFinishesDownloadingIsGivenUpAndReported) {
    TMainForm& form = f.LoadedFirstDay();
    MainFormProbe::SetRealTimeMaxWait(form, 30);
    for (int i = 0; i < 100000; ++i)
        f.jvLink.QueueCode(-3);
    form.Fetches().MiningBtnClick();
    EXPECT_NE(std::string::npos, LogText().find("ファイルダウンロード中(-3)"));
    EXPECT_EQ(1, f.jvLink.CallCount("JVClose"));
}

TEST_F(LiveFetchTest, ALeftOverCancelStopsReadersOnlyUntilTheDownloadDialogCloses) {
    TMainForm& form = f.LoadedFirstDay();
    form.Race().DatListClick(0);
    MainFormProbe::LeaveCancelSet(form);
    f.jvLink.QueueRecord(OddsRecord(1));
    form.Fetches().SokuhoOddsBtnClick();
    EXPECT_EQ(0, f.jvLink.CallCount("JVRead"));
    form.AfterDownload();
    form.DateListChange(0);
    form.Fetches().SokuhoOddsBtnClick();
    EXPECT_GT(f.jvLink.CallCount("JVRead"), 0);
}

TEST_F(LiveFetchTest, ChangeFetchFailureBeepsWithoutALogLine) {
    TMainForm& form = f.LoadedFirstDay();
    f.jvLink.rtOpenResult = -504;
    form.Fetches().ChangeInfoFetch();
    EXPECT_EQ("JVRTOpen:0B14:20240106", f.jvLink.calls[0]);
    EXPECT_EQ(std::string::npos, LogText().find("開催速報"));
    EXPECT_EQ(0, f.jvLink.CallCount("JVClose"));
}

TEST_F(LiveFetchTest, TodaysLoadStartsTheTimersAndTheOddsSwitch) {
    TMainForm& form = f.Started();
    form.DateListChange(0);
    EXPECT_TRUE(form.Status().AutoOddsChecked);
    EXPECT_TRUE(form.Timers().AutoOddsTimer.enabled);
    EXPECT_TRUE(form.Timers().ChangeTimer.enabled);
    EXPECT_EQ(300000, form.Timers().ChangeTimer.intervalMs);
    EXPECT_TRUE(MainFormProbe::FirstChangeFetchPending(form));
    form.Fetches().ChangeTimerTick();
    EXPECT_FALSE(MainFormProbe::FirstChangeFetchPending(form));
}

TEST_F(LiveFetchTest, IntervalsFromTheSettingsAreHeldToTheirRanges) {
    TMainForm& form = f.Started();
    MainFormProbe::Settings(form).WriteInteger("Time", "AutoRdataGet", 40000);  // 59 at most
    MainFormProbe::Settings(form).WriteInteger("Henko", "GetInterval", 40000);  // a day at most
    form.DateListChange(0);
    EXPECT_EQ(59 * 60000, form.Timers().ResultsTimer.intervalMs);
    EXPECT_EQ(86400000, form.Timers().ChangeTimer.intervalMs);
    EXPECT_TRUE(form.Timers().ResultsTimer.enabled);
}

TEST_F(LiveFetchTest, TheTimersGoOnAfterADownloadDialogThatStoredNothingNew) {
    TMainForm& form = f.LoadedFirstDay();
    form.AfterDownload();
    f.clock.Set({2024, 1, 6, 9, 50, 0});  // the first race's fetch minute
    form.Fetches().AutoOddsTimerTick();
    EXPECT_EQ("JVRTOpen:0B30:2024010606010101", f.jvLink.calls.front());
}

// 1日分の全オッズを一括取得: every race fetched without moving the selection, and counted.
TEST_F(LiveFetchTest, TheDaysOddsKeepTheSelectedRaceAndSayHowManyCame) {
    TMainForm& form = f.LoadedFirstDay();
    form.Race().DatListClick(5);
    f.jvLink.rtOpenResults = {-1, -1};  // the first two races are not published yet
    for (int race = 3; race <= 12; ++race) {
        f.jvLink.QueueRecord(OddsRecord(race));
        f.jvLink.QueueCode(0);
    }
    form.Fetches().N1O1Click();
    EXPECT_EQ(12, f.jvLink.CallCount("JVRTOpen"));
    EXPECT_EQ(5, form.DayList().SelectedRace);
    EXPECT_TEXT_EQ("12ﾚｰｽ中10ﾚｰｽ分のｵｯｽﾞを取得しました。", form.Status().DownloadLabel.text);
}

TEST(OddsSwitch, RefusesWithoutTheCurrentDaysLatestCards) {
    test::MainFormFixture f({2024, 1, 13, 11, 0, 0});
    test::WriteRaces(f.folder.Path(), test::MakeDay("20240106", {"06"}));
    TMainForm& form = f.Started();
    form.Fetches().AutoOddsCheckClick(true);
    EXPECT_TEXT_EQ("ﾃﾞｰﾀを読み込んでください。", f.ui.Messages().back());
    form.DateListChange(0);
    form.Fetches().AutoOddsCheckClick(true);
    EXPECT_TEXT_EQ("本日のﾃﾞｰﾀを読み込んでください。", f.ui.Messages().back());
    EXPECT_FALSE(form.Status().AutoOddsChecked);
    EXPECT_FALSE(form.Timers().AutoOddsTimer.enabled);

    test::MainFormFixture g({2024, 1, 6, 9, 0, 0});
    auto early = test::MakeDay("20240106", {"06"});
    early[0].dataKind = "1";  // runners of the early race card
    test::WriteRaces(g.folder.Path(), early);
    TMainForm& stale = g.Started();
    stale.DateListChange(0);
    EXPECT_TEXT_EQ(
        "出走表データが最新でありません。JVデータ取得ボタンよりデータを取得してからオッズを取得して"
        "ください。",
        g.ui.Messages().back());
    EXPECT_FALSE(stale.Timers().AutoOddsTimer.enabled);
}

}  // namespace
}  // namespace kagiroi
