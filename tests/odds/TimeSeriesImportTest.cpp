#include "odds/TimeSeriesImport.h"

#include "odds/AnnouncementFile.h"
#include "odds/OddsHistory.h"
#include "odds/OddsTestRecords.h"
#include "odds/TimeSeriesLayout.h"
#include "platform/FileSystem.h"
#include "platform/TextField.h"
#include "platform/TextLines.h"
#include "support/FailingReads.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>

namespace kagiroi {
namespace {

using test::O1Builder;

std::string Line(const std::string& record) {
    return record.substr(0, record.size() - 2);
}

std::vector<std::string> LinesOf(const std::string& path) {
    return SplitLines(ReadWholeFile(path).value_or(""));
}

class TimeSeriesImportTest : public ::testing::Test {
  protected:
    TimeSeriesImportTest() {
        RaceSlot& slot = (*book)[0];
        slot.RaceInfo = test::RaceRecord("05", 11, 16);
        slot.FetchTimes = {"1530", "1535", "1540"};
    }
    std::string ViewerFile(OddsKind kind = OddsKind::O1) const {
        return *TimeSeriesFile(viewer.Path(), (*book)[0].RaceInfo, kind);
    }
    TimeSeriesImportResult Import() const {
        return ImportTimeSeries(*book, viewer.Path(), program.Path());
    }

    test::TempFolder viewer, program;
    std::unique_ptr<DayBook> book = std::make_unique<DayBook>();
    std::string dayO1 = program / "Data/2024年01月06日.jvO1";
    test::FailingReads reads;
};

TEST_F(TimeSeriesImportTest, TakesTheNearestAnnouncementOfTheRaceDay) {
    struct Case {
        const char* fetch;
        std::vector<const char*> announced;  // "mmddhhmm" in file order
        int expected;
    };
    const Case cases[] = {
        {"1530", {"01061520", "01061538"}, 1},  // 8 minutes after beats 10 before
        {"1530", {"01061525", "01061535"}, 0},  // the first of two equally near
        {"1530", {"01071530", "01061400"}, 1},  // another day's never counts
        {"1639", {"01060000"}, 0},              // 999 minutes away
        {"1640", {"01060000"}, -1},             // 1000 minutes away is too far
    };
    for (const Case& c : cases) {
        std::vector<std::string> records;
        for (const char* at : c.announced)
            records.push_back(O1Builder("05", 11).Announced(at));
        test::WriteDayFile(ViewerFile(), records);
        AnnouncementFile file =
            AnnouncementFile::Read(ViewerFile(), OddsKind::O1, Field((*book)[0].RaceInfo, 12, 16));
        EXPECT_EQ(c.expected, NearestAnnouncement(file, c.fetch))
            << c.fetch << " " << c.announced[0];
    }
}

TEST_F(TimeSeriesImportTest, AppendsForARaceTheDayFileLacksAndReplacesEveryLineOfOne) {
    std::string taken = O1Builder("05", 11).Announced("01061538").Win(1, "0123");
    test::WriteDayFile(ViewerFile(), {O1Builder("05", 11).Announced("01061520"), taken});
    std::string other = O1Builder("06", 3).Announced("01061000");
    std::string old = O1Builder("05", 11).Announced("01061200");

    struct Case {
        std::vector<std::string> before;
        std::vector<std::string> after;
    };
    const Case cases[] = {
        {{other}, {Line(other), Line(taken)}},
        {{old, other, old}, {Line(taken), Line(other), Line(taken)}},
        {{}, {Line(taken)}},
    };
    for (const Case& c : cases) {
        RemoveFile(dayO1);
        if (!c.before.empty()) test::WriteDayFile(dayO1, c.before);
        TimeSeriesImportResult result = Import();
        EXPECT_EQ((std::array<int, 3>{1, 0, 0}), result.taken);
        EXPECT_EQ(c.after, LinesOf(dayO1));
    }
}

TEST_F(TimeSeriesImportTest, ABlankSlotOrAMissingFileDoesNothing) {
    (*book)[0].Blank();
    EXPECT_FALSE(TimeSeriesFile(viewer.Path(), (*book)[0].RaceInfo, OddsKind::O1));
    TimeSeriesImportResult result = Import();
    EXPECT_EQ((std::array<int, 3>{0, 0, 0}), result.taken);
    EXPECT_TRUE(result.logLines.empty());
    EXPECT_FALSE(FileExists(dayO1));
}

TEST_F(TimeSeriesImportTest, ADamagedViewerFileIsReadPastWithOneLogLine) {
    std::string good = O1Builder("05", 11).Announced("01061525");
    std::string otherRace = O1Builder("05", 12).Announced("01061530");
    std::string noTime = O1Builder("05", 11).Announced("0106ab30");
    std::string race = test::RaceRecord("05", 11, 16);
    test::WriteDayFile(ViewerFile(),
                       {good, good.substr(0, 500) + "\r\n", otherRace, noTime, race, "\r\n"});
    TimeSeriesImportResult result = Import();
    EXPECT_EQ((std::array<int, 3>{1, 0, 0}), result.taken);
    ASSERT_EQ(1u, result.logLines.size());
    EXPECT_TEXT_EQ(SkippedLinesText(ViewerFile(), 4), result.logLines[0]);
    EXPECT_EQ(std::vector<std::string>{Line(good)}, LinesOf(dayO1));
}

TEST_F(TimeSeriesImportTest, ADayFileThatCannotBeReadIsNotReplaced) {
    test::WriteDayFile(ViewerFile(), {O1Builder("05", 11).Announced("01061530")});
    std::string other = O1Builder("06", 3).Announced("01061000");
    test::WriteDayFile(dayO1, {other});
    reads.Fail(dayO1, EIO);
    TimeSeriesImportResult result = Import();
    reads.Clear();
    ASSERT_TRUE(result.failure);
    EXPECT_EQ((std::array<int, 3>{0, 0, 0}), result.taken);
    EXPECT_EQ(std::vector<std::string>{Line(other)}, LinesOf(dayO1));
}

TEST(TimeSeriesMessageTest, CountsInTheOrderWinTrifectaTrio) {
    EXPECT_TEXT_EQ(
        "12ﾚｰｽ分の単複枠ｵｯｽﾞ、\r\n3ﾚｰｽ分の3連単ｵｯｽﾞ\r\n7ﾚｰｽ分の3連複ｵｯｽﾞ\r\nを取りこみました。",
        TimeSeriesImportMessage({12, 7, 3}));
}

TEST(OddsHistoryTest, KeepsOneLinePerAnnouncementTime) {
    test::TempFolder program;
    OddsHistory history(program.Path());
    std::string first = O1Builder("05", 11).Announced("01061520").Win(1, "0035");
    std::string again = O1Builder("05", 11).Announced("01061520").Win(1, "0036");
    std::string later = O1Builder("05", 11).Announced("01061525").Win(1, "0040");
    for (const std::string& record : {first, first, later, again})
        EXPECT_TRUE(history.Keep(record));
    std::string path = program / "Jikeiretu/20240106/05010111.jvO1";
    // Kept as the day file keeps a fetched record: the head zeroed.
    auto stored = [](const std::string& r) { return Line(r).replace(2, 9, "000000000"); };
    EXPECT_EQ((std::vector<std::string>{stored(again), stored(later)}), LinesOf(path));

    test::FailingReads reads;
    reads.Fail(path, EACCES);
    FileFailure failure;
    EXPECT_FALSE(history.Keep(O1Builder("05", 11).Announced("01061530"), &failure));
    reads.Clear();
    EXPECT_FALSE(failure.shown.empty());
    EXPECT_EQ(2u, LinesOf(path).size());
}

}  // namespace
}  // namespace kagiroi
