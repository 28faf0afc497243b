#include "datalink/TGetDataForm.h"
#include "daystore/DayStore.h"
#include "daystore/RecordLayout.h"
#include "platform/FileSystem.h"
#include "platform/SettingsFile.h"
#include "support/DayBuilder.h"
#include "support/FakeJvLink.h"
#include "support/FakePorts.h"
#include "support/RecordBuilder.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kagiroi {
namespace {

class GetDataFormTest : public ::testing::Test {
  protected:
    GetDataFormTest()
        : settings(folder / "kagiroi.ini"),
          store(folder.Path()),
          clock({2024, 1, 20, 10, 15, 0}),
          log(folder / "ErrorLog.txt", clock),
          form(jvLink, store, settings, log, ui, clock, cancelFlag) {
        MakeDirectory(folder / "Data");
    }

    std::string RaceFile() const { return folder / "Data/2024年01月13日.jvRA"; }
    std::string O1File() const { return folder / "Data/2024年01月13日.jvO1"; }

    test::RaceSpec race{"20240113", "06", 11};
    test::TempFolder folder;
    SettingsFile settings;
    DayStore store;
    test::FakeUi ui;
    test::FakeClock clock;
    ErrorLog log;
    test::FakeJvLink jvLink;
    bool cancelFlag = true;  // left over from an earlier cancel: a start clears it
    TGetDataForm form;
};

TEST_F(GetDataFormTest, OpensFourteenDaysBackWithoutALastTime) {
    form.FormCreate();
    EXPECT_EQ((DateTime{2024, 1, 6, 10, 15, 0}), form.StartDate);
    settings.WriteString("JvDataGet", "LastTime", "2024/01/10 08:00:00");
    form.FormCreate();
    EXPECT_EQ((DateTime{2024, 1, 10, 8, 0, 0}), form.StartDate);
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(GetDataFormTest, AnUnreadableLastTimeIsReportedAndTheDefaultUsed) {
    settings.WriteString("JvDataGet", "LastTime", "yesterday");
    form.FormCreate();
    EXPECT_EQ((DateTime{2024, 1, 6, 10, 15, 0}), form.StartDate);
    EXPECT_EQ(1u, ui.Messages().size());
}

TEST_F(GetDataFormTest, AStoredLastTimeBeyondTomorrowIsReportedAndTheDefaultUsed) {
    settings.WriteString("JvDataGet", "LastTime", "9999/12/31 23:59:59");
    form.FormCreate();
    EXPECT_EQ((DateTime{2024, 1, 6, 10, 15, 0}), form.StartDate);
    ASSERT_EQ(1u, ui.Messages().size());
    EXPECT_NE(std::string::npos, ui.Messages()[0].find("9999/12/31 23:59:59"));
}

TEST_F(GetDataFormTest, AStampBeyondTomorrowStoresTheRecordsButLeavesLastTime) {
    settings.WriteString("JvDataGet", "LastTime", "2024/01/06 10:15:00");
    form.FormCreate();
    jvLink.openStamp = "99991231000000";
    jvLink.QueueRecord(test::RaceRecord(race));
    form.StartClick();
    EXPECT_TRUE(FileExists(RaceFile()));
    EXPECT_EQ("2024/01/06 10:15:00", settings.ReadString("JvDataGet", "LastTime", ""));
    EXPECT_EQ("", form.Summary().newLastTime);
    EXPECT_NE(std::string::npos, form.ProgressText.find("前回取得日時は更新しませんでした"));

    jvLink.openStamp = "20240121101500";  // tomorrow is still the clock's
    jvLink.QueueRecord(test::RaceRecord(race));
    form.StartClick();
    EXPECT_EQ("2024/01/21 10:15:00", settings.ReadString("JvDataGet", "LastTime", ""));
}

TEST_F(GetDataFormTest, ALastTimeThatCannotBeWrittenIsReported) {
    form.FormCreate();
    MakeDirectory(settings.Path());  // the settings file cannot be replaced
    jvLink.QueueRecord(test::RaceRecord(race));
    form.StartClick();
    EXPECT_TRUE(form.Summary().lastTimeNotSaved);
    EXPECT_EQ("", form.Summary().newLastTime);
    bool told = false;
    for (const std::string& m : ui.Messages())
        told = told || m.find("同じデータをもう一度取得します") != std::string::npos;
    EXPECT_TRUE(told);
}

TEST_F(GetDataFormTest, OnlyRecordsThatReachedTheDiskCountAsStored) {
    form.FormCreate();
    MakeDirectory(RaceFile());  // the day's race file cannot be replaced
    jvLink.QueueRecord(test::RaceRecord(race));
    jvLink.QueueRecord(test::RunnerRecord(race, 3));
    form.StartClick();
    EXPECT_EQ(2, form.Summary().recordsRead);
    EXPECT_EQ(1, form.Summary().recordsStored) << "the runner only";
}

TEST_F(GetDataFormTest, NothingToFetchReadsAtOnceStoresAndMovesLastTime) {
    form.FormCreate();
    jvLink.openDownloadCount = 0;
    jvLink.openReadCount = 2;
    jvLink.openStamp = "20240114093000";
    jvLink.QueueRecord(test::RaceRecord(race), "RAVM2024");
    jvLink.QueueCode(-1);
    jvLink.QueueRecord(test::RunnerRecord(race, 3), "SEVM2024");
    jvLink.QueueCode(0);
    form.StartClick();

    EXPECT_FALSE(form.StatusTimerEnabled);
    EXPECT_FALSE(cancelFlag);
    EXPECT_EQ("JVOpen:RACEDIFFHOSESNAP:20240106101500:1", jvLink.calls[0]);
    EXPECT_EQ("JVClose", jvLink.calls.back());
    EXPECT_TRUE(FileExists(RaceFile()));
    EXPECT_EQ("2024/01/14 09:30:00", settings.ReadString("JvDataGet", "LastTime", ""));
    EXPECT_TEXT_EQ("データ作成が完了しました。", form.ProgressText);
    EXPECT_EQ(2, form.Summary().recordsStored);
    EXPECT_EQ(1, form.Summary().filesRead);
    ASSERT_FALSE(ui.Messages().empty());
    EXPECT_TEXT_EQ(
        "2024年01月06日10時15分00秒以降のデータ取込を開始します。データ作成が終了するまで本ソフトを"
        "操作したり他のアプリケーションを操作することは極力避けてください。",
        ui.Messages()[0]);
    for (int size : jvLink.bufferSizes)
        EXPECT_EQ(100000, size);
}

TEST_F(GetDataFormTest, StatusIsPolledUntilEveryFileIsFetched) {
    form.FormCreate();
    jvLink.openDownloadCount = 3;
    jvLink.statusResults = {1, 2, 3};
    jvLink.QueueRecord(test::RaceRecord(race));
    form.StartClick();
    EXPECT_TRUE(form.StatusTimerEnabled);
    EXPECT_TEXT_EQ("ダウンロード中・・・", form.ProgressText);
    form.StatusTimerTick();
    EXPECT_TEXT_EQ("ダウンロード中．．．(1/3)", form.ProgressText);
    EXPECT_EQ(1, form.DownloadBar.position);
    EXPECT_FALSE(FileExists(RaceFile()));
    form.StatusTimerTick();
    form.StatusTimerTick();
    EXPECT_FALSE(form.StatusTimerEnabled);
    EXPECT_TRUE(FileExists(RaceFile()));
    EXPECT_TEXT_EQ("データ作成が完了しました。", form.ProgressText);
    EXPECT_EQ(3, form.DownloadBar.position);  // both bars full at the end
    EXPECT_GT(form.ReadBar.maximum, 0);
    EXPECT_EQ(form.ReadBar.maximum, form.ReadBar.position);
}

TEST_F(GetDataFormTest, ZeroStampLeavesLastTimeAndFinalOddsAreSkippedUnlessAsked) {
    form.FormCreate();
    settings.WriteString("JvDataGet", "LastTime", "2024/01/06 10:15:00");
    jvLink.openStamp = "00000000000000";
    std::string o1 =
        test::RecordBuilder("O1", kO1Length).Put(3, "4").Key("20240113", "06", 1, 1, 11);
    jvLink.QueueRecord(o1);
    form.StartClick();
    EXPECT_EQ("2024/01/06 10:15:00", settings.ReadString("JvDataGet", "LastTime", ""));
    EXPECT_FALSE(FileExists(O1File()));
    EXPECT_EQ(1, form.Summary().recordsRead);

    form.FinalOdds = true;
    jvLink.QueueRecord(o1, "O1FILE");
    form.StartClick();
    EXPECT_TRUE(FileExists(O1File()));
    EXPECT_TEXT_EQ("単勝確定ｵｯｽﾞ:11R/O1FILE", form.RecordText);
}

TEST_F(GetDataFormTest, NoNewerDataAndOpenErrorsAreReportedAndClosed) {
    form.FormCreate();
    jvLink.openResult = -1;
    form.StartClick();
    EXPECT_TEXT_EQ("最新のデータがありません。", ui.Messages().back());
    jvLink.openResult = 0;
    jvLink.openReadCount = 0;
    form.StartClick();
    EXPECT_TEXT_EQ("最新のデータがありません。", ui.Messages().back());
    jvLink.openResult = -301;
    jvLink.openReadCount = 1;
    form.StartClick();
    EXPECT_TEXT_EQ("JVOpenエラー:認証エラーが発生しました。(-301)", ui.Messages().back());
    // Only the open that succeeded (with nothing to read) had a request to close.
    EXPECT_EQ(1, std::count(jvLink.calls.begin(), jvLink.calls.end(), "JVClose"));
    EXPECT_FALSE(jvLink.open);
    EXPECT_FALSE(form.Running());
}

TEST_F(GetDataFormTest, CancelDuringReadingStopsAtTheNextRecordAndStillCloses) {
    form.FormCreate();
    jvLink.QueueRecord(test::RaceRecord(race));
    test::RaceSpec second = race;
    second.race = 12;
    jvLink.QueueRecord(test::RaceRecord(second));
    int reads = 0;
    ui.onProcessEvents = [&] {
        if (++reads == 2) form.CancelClick();  // after the first record
    };
    form.StartClick();
    EXPECT_EQ(1, form.Summary().recordsRead);
    EXPECT_EQ(1, jvLink.cancelled);
    EXPECT_EQ("JVClose", jvLink.calls.back());
    EXPECT_TEXT_EQ("JVCancel:キャンセルされました", form.ProgressText);
    // What was read before the cancel is kept.
    EXPECT_TRUE(FileExists(RaceFile()));
}

TEST_F(GetDataFormTest, AnsweringNoToCancelChangesNothing) {
    form.FormCreate();
    jvLink.openDownloadCount = 2;
    form.StartClick();
    ui.AnswerNext(false);
    form.CancelClick();
    EXPECT_TRUE(form.StatusTimerEnabled);
    EXPECT_EQ(0, jvLink.cancelled);
    ui.AnswerNext(true);
    form.CancelClick();
    EXPECT_FALSE(form.StatusTimerEnabled);
    EXPECT_EQ("JVClose", jvLink.calls.back());
    EXPECT_FALSE(form.Running());
}

TEST_F(GetDataFormTest, ReadAndStatusErrorsAreShownWithTheirMessages) {
    form.FormCreate();
    jvLink.QueueCode(-3);
    jvLink.QueueCode(-2);
    jvLink.QueueCode(-402);
    form.StartClick();
    EXPECT_TEXT_EQ("JVReadエラー:ダウンロードしたファイルサイズが異常です。(-402)",
                   ui.Messages().back());

    jvLink.openDownloadCount = 2;
    jvLink.statusResults = {-502};
    form.StartClick();
    form.StatusTimerTick();
    EXPECT_TEXT_EQ(
        "JVStatusエラー:ダウンロードに失敗しました。（通信エラーやディスクエラーなど）(-502)",
        ui.Messages().back());
    EXPECT_FALSE(form.StatusTimerEnabled);
}

TEST_F(GetDataFormTest, RecordLabelsNameWhatWasStored) {
    EXPECT_TEXT_EQ("開催:2024年01月13日中山11R", StoredRecordLabel(test::RaceRecord(race), "F"));
    std::string runner = test::RecordBuilder("SE", kSeLength)
                             .Key("20240113", "05", 1, 1, 2)
                             .PutNumber(29, 7, 2)
                             .Put(41, "サクラ", 36);
    EXPECT_TEXT_EQ("馬毎:東京02R/⑦サクラ" + std::string(30, ' '), StoredRecordLabel(runner, "F"));
}

}  // namespace
}  // namespace kagiroi
