#include "odds/OddsFiles.h"

#include "odds/OddsTestRecords.h"
#include "platform/FileSystem.h"
#include "platform/TextField.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

using test::O1Builder;
using Status = OddsRecordLookup::Status;

class OddsFilesTest : public ::testing::Test {
  protected:
    test::TempFolder folder;
    DayPaths paths = test::TestDayPaths(folder);
};

TEST_F(OddsFilesTest, FindsTheFirstRecordOfCourseAndRaceWhateverTheMeeting) {
    std::string first = O1Builder("05", 11).Announced("01061520");
    std::string second = O1Builder("05", 11).Announced("01061540");
    std::string other = O1Builder("06", 11).Announced("01061500");
    test::WriteDayFile(paths.o1File, {other, first, second});
    OddsFiles files(paths);

    OddsRecordLookup found = files.Find(OddsKind::O1, "0511");
    ASSERT_EQ(Status::Found, found.status);
    EXPECT_EQ(first, found.record);
    EXPECT_EQ(other, files.Find(OddsKind::O1, "0611").record);
    EXPECT_EQ(Status::NoRecord, files.Find(OddsKind::O1, "0512").status);
    EXPECT_EQ(Status::NoFile, files.Find(OddsKind::O6, "0511").status);
}

TEST_F(OddsFilesTest, SeesARewrittenFileWithoutBeingTold) {
    test::WriteDayFile(paths.o1File, {O1Builder("05", 1).Announced("01060950")});
    OddsFiles files(paths);
    ASSERT_EQ(Status::NoRecord, files.Find(OddsKind::O1, "0502").status);

    // Same size, new content: a fetch replaced race 1's record by race 2's.
    std::string replaced = O1Builder("05", 2).Announced("01061020");
    test::WriteDayFile(paths.o1File, {replaced});
    OddsRecordLookup found = files.Find(OddsKind::O1, "0502");
    ASSERT_EQ(Status::Found, found.status);
    EXPECT_EQ(replaced, found.record);
    EXPECT_EQ(Status::NoRecord, files.Find(OddsKind::O1, "0501").status);

    RemoveFile(paths.o1File);
    EXPECT_EQ(Status::NoFile, files.Find(OddsKind::O1, "0502").status);
}

TEST_F(OddsFilesTest, ATrailingShortRecordReadsBlankWhereItEnds) {
    std::string whole = O1Builder("05", 1);
    std::string cut = std::string(O1Builder("05", 2).Win(1, "0035")).substr(0, 100);
    test::WriteDayFile(paths.o1File, {whole, cut});
    OddsFiles files(paths);
    OddsRecordLookup found = files.Find(OddsKind::O1, "0502");
    ASSERT_EQ(Status::Found, found.status);
    ASSERT_EQ(static_cast<size_t>(kO1Length), found.record.size());
    EXPECT_EQ("0035", Field(found.record, 46, 4));
    EXPECT_TRUE(IsBlank(found.record.substr(100)));
}

TEST_F(OddsFilesTest, SomethingThatIsNotAReadableFileIsReported) {
    ASSERT_TRUE(MakeDirectories(paths.o5File));
    OddsFiles files(paths);
    EXPECT_EQ(Status::Unreadable, files.Find(OddsKind::O5, "0501").status);
}

TEST_F(OddsFilesTest, ANewDayForgetsThePreviousDaysFiles) {
    test::WriteDayFile(paths.o6File, {test::CombinationOddsBuilder::Trifecta("05", 3)});
    OddsFiles files(paths);
    ASSERT_EQ(Status::Found, files.Find(OddsKind::O6, "0503").status);
    files.SetDay(DayPaths{});
    EXPECT_EQ(Status::NoFile, files.Find(OddsKind::O6, "0503").status);
}

}  // namespace
}  // namespace kagiroi
