#include "JvTestReading.h"
#include "datalink/FolderFeedJvLink.h"
#include "datalink/TGetDataForm.h"
#include "demo/DemoOddsRecords.h"
#include "demo/DemoRecords.h"
#include "demo/DemoWorld.h"
#include "platform/FileSystem.h"
#include "platform/Sjis.h"
#include "platform/TextField.h"
#include "support/FakePorts.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

// A record as a line of a file: without its CR LF, ended by `end`.
std::string Line(const std::string& record, const std::string& end = "\r\n") {
    return record.substr(0, record.size() - 2) + end;
}

class FolderFeed : public ::testing::Test {
  protected:
    void SetUp() override {
        const DemoDay* day = world.Day(DateTime{2024, 1, 6});
        race1 = day->Races()[0];
        race2 = day->Races()[1];
        raCard = DemoRaRecord(*race1, DemoStage::Card, DateTime{2024, 1, 5});
        raSettled = DemoRaRecord(*race1, DemoStage::Settled, DateTime{2024, 1, 8});
        se = DemoSeRecord(*race1, race1->card.runners[0], DemoStage::Settled, DateTime{2024, 1, 8},
                          &world.FinalOdds(*race1));
        hr = DemoHrRecord(*race1, ComputeDemoPayouts(*race1, world.FinalOdds(*race1)), '2',
                          DateTime{2024, 1, 8});
        o1 = DemoO1Record(*race1, world.FinalOdds(*race1));
        o6 = DemoO6Record(*race1, world.FinalOdds(*race1));
        o1Other = DemoO1Record(*race2, world.FinalOdds(*race2));
        dm = DemoDmRecord(*race1, '2', race1->DayStart() + 8 * 60);
        const DemoCourseDay& course = day->courses.front();
        we = DemoWeRecord(course, DateTime{2024, 1, 6}, course.notices.front());
        for (const DemoRace* r : day->Races())
            if (r->postChange) tc = DemoTcRecord(*r);

        std::string badSjis = Line(raSettled);
        badSjis[40] = static_cast<char>(0x81);  // a lead byte followed by a blank
        badSjis[41] = ' ';
        WriteFileAtomic(folder / "2024a.txt", Line(raCard) + Line(raSettled) + "RA0\r\n" + badSjis +
                                                  Line(se) + "\r\n" + Line(hr));
        WriteFileAtomic(folder / "2024b.txt",
                        Line(o1, "\n") + Line(o6, "\n") + Line(o1Other, "\n") + "ZZ" +
                            std::string(100, '0') + "\n" + Line(se).substr(0, 300) + "\n");
        WriteFileAtomic(folder / "2024c.txt", Line(dm) + Line(we) + Line(tc));
        ASSERT_EQ(0, feed.JVInit("KAGIROI"));
    }

    DemoWorld world{DateTime{2024, 1, 9, 12, 0, 0}};
    const DemoRace* race1 = nullptr;
    const DemoRace* race2 = nullptr;
    std::string raCard, raSettled, se, hr, o1, o6, o1Other, dm, we, tc;
    test::TempFolder folder;
    FolderFeedJvLink feed{folder.Path()};
};

TEST_F(FolderFeed, OffersRecordsFromTheFromDateOnFileByFile) {
    test::JvDownload d = test::Download(feed, "20240106120000");
    ASSERT_EQ(0, d.openCode);
    EXPECT_EQ(3, d.readCount);
    EXPECT_EQ(0, d.downloadCount) << "nothing to fetch from a folder";
    EXPECT_EQ("20240108235959", d.newestStamp) << "the end of the newest creation day";
    ASSERT_EQ(3, d.reading.fileChanges);
    ASSERT_EQ(0, d.reading.lastCode);
    std::vector<std::string> expected = {raSettled, se, hr, o1, o6, o1Other, dm, we, tc};
    ASSERT_EQ(expected.size(), d.reading.records.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(expected[i], d.reading.records[i].record) << i;
    EXPECT_EQ("2024a.txt", d.reading.records[0].fileName);
    EXPECT_EQ(0, d.reading.records[0].file);
    EXPECT_EQ("2024b.txt", d.reading.records[3].fileName);
    EXPECT_EQ(1, d.reading.records[3].file);
    EXPECT_EQ((std::vector<std::string>{"2024a.txt 3行目", "2024a.txt 4行目", "2024b.txt 4行目",
                                        "2024b.txt 5行目"}),
              feed.SkippedLines())
        << "too short, not Shift_JIS, unknown kind, cut";
    EXPECT_EQ(-1, test::Download(feed, d.newestStamp).openCode) << "a second download: nothing";
}

TEST_F(FolderFeed, LinesEndAtALoneCrAndNoRecordHoldsOne) {
    WriteFileAtomic(folder / "2024d.txt",
                    Line(raSettled, "\r") + Line(hr, "\r") + Line(se, "\r\r\n"));
    test::JvDownload d = test::Download(feed, "20240108000000");
    std::vector<std::string> read;
    for (const auto& item : d.reading.records)
        if (item.fileName == "2024d.txt") read.push_back(item.record);
    EXPECT_EQ((std::vector<std::string>{raSettled, hr, se}), read);
    for (const auto& item : d.reading.records)
        EXPECT_EQ(item.record.size() - 2, item.record.find('\r')) << item.fileName;
}

// The download dialog over the feed: what the feed could not read, and a folder that is gone.
class FolderFeedDownload : public FolderFeed {
  protected:
    FolderFeedDownload() { MakeDirectory(home / "Data"); }
    TGetDataForm Dialog(JvLink& link) {
        return TGetDataForm(link, store, settings, log, ui, clock, cancelFlag);
    }
    test::TempFolder home;
    SettingsFile settings{home / "kagiroi.ini"};
    DayStore store{home.Path()};
    test::FakeClock clock{DateTime{2024, 1, 9, 12, 0, 0}};
    ErrorLog log{home / "ErrorLog.txt", clock};
    test::FakeUi ui;
    bool cancelFlag = false;
};

TEST_F(FolderFeedDownload, SkippedLinesAreNamedInTheClosingStatusAndTheLog) {
    TGetDataForm dialog = Dialog(feed);
    dialog.StartDate = {2024, 1, 6, 12, 0, 0};
    dialog.StartClick();
    ASSERT_TRUE(dialog.Summary().completed);
    EXPECT_NE(std::string::npos, dialog.ProgressText.find("記録として読めない4行"))
        << SjisToUtf8(dialog.ProgressText);
    std::string logText = ReadWholeFile(log.Path()).value_or("");
    EXPECT_NE(std::string::npos, logText.find("2024b.txt 5行目")) << SjisToUtf8(logText);
}

TEST_F(FolderFeedDownload, AFolderThatIsGoneIsNamedNotNumbered) {
    FolderFeedJvLink missing(folder / "gone");
    ASSERT_EQ(0, missing.JVInit("KAGIROI"));
    TGetDataForm dialog = Dialog(missing);
    dialog.FormCreate();
    dialog.StartClick();
    EXPECT_TEXT_EQ("JVOpenエラー:" + FolderMissingText(folder / "gone"), ui.Messages().back());
}

TEST_F(FolderFeed, AnEarlierFromDateTakesTheOlderRecordsToo) {
    test::JvDownload d = test::Download(feed, "20240101000000");
    ASSERT_EQ(0, d.openCode);
    EXPECT_EQ(raCard, d.reading.records.front().record);
    test::JvDownload none = test::Download(feed, "20250101000000");
    EXPECT_EQ(-1, none.openCode);
}

TEST_F(FolderFeed, RealTimeRequestsSelectByKindAndKey) {
    test::JvRealTime odds = test::RealTime(feed, "0B30", Field(o1, 12, 16));
    ASSERT_EQ(0, odds.openCode);
    ASSERT_EQ(2u, odds.reading.records.size());
    EXPECT_EQ(o1, odds.reading.records[0].record);
    EXPECT_EQ(o6, odds.reading.records[1].record);

    test::JvRealTime results = test::RealTime(feed, "0B12", "20240106");
    ASSERT_EQ(0, results.openCode);
    ASSERT_EQ(4u, results.reading.records.size());
    EXPECT_EQ(raCard, results.reading.records[0].record);
    EXPECT_EQ(hr, results.reading.records[3].record);

    test::JvRealTime mining = test::RealTime(feed, "0B13", "20240106");
    ASSERT_EQ(1u, mining.reading.records.size());
    EXPECT_EQ(dm, mining.reading.records[0].record);

    test::JvRealTime changes = test::RealTime(feed, "0B14", "20240106");
    ASSERT_EQ(2u, changes.reading.records.size());
    EXPECT_EQ(we, changes.reading.records[0].record);
    EXPECT_EQ(tc, changes.reading.records[1].record);

    EXPECT_EQ(-1, test::RealTime(feed, "0B12", "20240107").openCode);
    EXPECT_EQ(-114, test::RealTime(feed, "0B12", "2024-01-06").openCode);
}

TEST_F(FolderFeed, AMissingFolderIsAnError) {
    FolderFeedJvLink missing(folder / "gone");
    ASSERT_EQ(0, missing.JVInit("KAGIROI"));
    int readCount = 0, downloadCount = 0;
    std::string stamp;
    EXPECT_EQ(-401, missing.JVOpen("RACEDIFFHOSESNAP", "20240101000000", 1, readCount,
                                   downloadCount, stamp));
    EXPECT_EQ(-401, missing.JVRTOpen("0B12", "20240106"));
    EXPECT_FALSE(missing.IsOpen());
}

TEST_F(FolderFeed, FollowsTheServiceProtocol) {
    FolderFeedJvLink fresh(folder.Path());
    int readCount = 0, downloadCount = 0;
    std::string stamp;
    EXPECT_EQ(-201, fresh.JVOpen("RACEDIFFHOSESNAP", "20240101000000", 1, readCount, downloadCount,
                                 stamp));
    ASSERT_EQ(0, fresh.JVInit("KAGIROI"));
    EXPECT_EQ(-111, fresh.JVOpen("NOPE", "20240101000000", 1, readCount, downloadCount, stamp));
    ASSERT_EQ(0, fresh.JVOpen("RACE", "20240101000000", 1, readCount, downloadCount, stamp));
    EXPECT_EQ(-202, fresh.JVRTOpen("0B12", "20240106"));
    EXPECT_EQ(0, fresh.JVClose());
}

}  // namespace
}  // namespace kagiroi
