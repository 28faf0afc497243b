#include "datalink/ChangeReading.h"
#include "daystore/DayFiles.h"
#include "daystore/DayRecords.h"
#include "daystore/DayStore.h"
#include "daystore/RecordLayout.h"
#include "platform/FileSystem.h"
#include "platform/TextField.h"
#include "support/DayBuilder.h"
#include "support/RecordBuilder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

class ChangeReadingTest : public ::testing::Test {
  protected:
    ChangeReadingTest() : book(std::make_unique<DayBook>()) {
        MakeDirectory(folder / "CHG");
        test::WriteRaces(folder.Path(), test::MakeDay("20240601", {"05"}));
        book->day = "2024年06月01日";
        book->paths = PathsForDay(folder.Path(), book->day);
        ReadRaceAndRunnerRecords(*book);
    }

    void WriteChanges(const std::vector<std::string>& records) {
        std::string text;
        for (const auto& r : records)
            text += r;
        WriteFileAtomic(ChangeFilePath(folder.Path(), book->day, ".TC"), text);
    }
    static std::string Change(int race, const std::string& announced, const std::string& post) {
        return test::RecordBuilder("TC", kTcLength)
            .Key("20240601", "05", 1, 1, race)
            .Put(28, announced)
            .Put(36, post);
    }
    std::string StoredPostTime(int line) {
        RecordFile file(book->paths.raceFile);
        return Field(file.Read(line, kRaLength), 874, 4);
    }
    std::string NewFile() { return ChangeFilePath(folder.Path(), book->day, ".NEW"); }

    test::TempFolder folder;
    std::unique_ptr<DayBook> book;
};

TEST_F(ChangeReadingTest, ANewerAnnouncementMovesThePostTimeOnceOnly) {
    WriteFileAtomic(NewFile(), "\r\n\r\n\r\n06011015\r\n\r\n");
    WriteChanges({Change(3, "06011130", "1120")});
    auto first = ReadChanges(folder.Path(), *book, 10);
    EXPECT_EQ(1, first.racesMoved);
    EXPECT_EQ("1120", StoredPostTime(2));
    EXPECT_EQ("1120", Field((*book)[2].RaceInfo, 874, 4));
    EXPECT_EQ("1110", (*book)[2].FetchTimes[0]);
    EXPECT_EQ("1112", (*book)[2].FetchTimes[2]);
    EXPECT_EQ("06011130", ReadChangeStamps(NewFile()).value()[kPostTimeStamp]);

    auto again = ReadChanges(folder.Path(), *book, 10);
    EXPECT_FALSE(again.postTimesChanged);
    EXPECT_EQ(0, again.racesMoved);
}

TEST_F(ChangeReadingTest, TheLaterRecordOfARaceDecidesAndOtherKindsOfStampsAreKept) {
    WriteFileAtomic(NewFile(), "06010800\r\nx\r\ny\r\n\r\nz\r\n");
    WriteChanges({Change(5, "06011200", "1240"), Change(5, "06011100", "1250")});
    ReadChanges(folder.Path(), *book, 10);
    EXPECT_EQ("1250", StoredPostTime(4));
    ChangeStamps stamps = ReadChangeStamps(NewFile()).value();
    EXPECT_EQ("06011200", stamps[kPostTimeStamp]);
    EXPECT_EQ("06010800", stamps[0]);
    EXPECT_EQ("z", stamps[4]);
}

TEST_F(ChangeReadingTest, AChangeForARaceNotInTheFileOnlyAdvancesTheStamp) {
    auto before = ReadWholeFile(book->paths.raceFile);
    WriteChanges({test::RecordBuilder("TC", kTcLength)
                      .Key("20240601", "09", 1, 1, 3)
                      .Put(28, "06011300")
                      .Put(36, "1400")});
    auto result = ReadChanges(folder.Path(), *book, 10);
    EXPECT_EQ(0, result.racesMoved);
    EXPECT_EQ(before, ReadWholeFile(book->paths.raceFile));
    EXPECT_EQ("06011300", ReadChangeStamps(NewFile()).value()[kPostTimeStamp]);
}

TEST_F(ChangeReadingTest, WithoutAChangeFileTheStampsAreNotWritten) {
    auto result = ReadChanges(folder.Path(), *book, 10);
    EXPECT_FALSE(result.postTimesChanged);
    EXPECT_FALSE(FileExists(NewFile()));
}

TEST_F(ChangeReadingTest, AStampsFileOfTheWrongLengthCountsAsEmpty) {
    WriteFileAtomic(NewFile(), "06012359\r\n");
    WriteChanges({Change(1, "06010900", "0000")});
    auto result = ReadChanges(folder.Path(), *book, 10);
    EXPECT_TRUE(result.postTimesChanged);
    // "0000" moves the stored line but not the loaded race.
    EXPECT_EQ("0000", StoredPostTime(0));
    EXPECT_EQ("1000", Field((*book)[0].RaceInfo, 874, 4));
    EXPECT_EQ(5u, ReadChangeStamps(NewFile())->size());
    EXPECT_EQ("06010900", ReadChangeStamps(NewFile()).value()[kPostTimeStamp]);
}

}  // namespace
}  // namespace kagiroi
