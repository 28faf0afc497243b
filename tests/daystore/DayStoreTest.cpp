#include "daystore/DayFiles.h"
#include "daystore/DayStore.h"
#include "daystore/RecordLayout.h"
#include "daystore/StoreRules.h"
#include "platform/FileSystem.h"
#include "support/RecordBuilder.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

using test::RecordBuilder;

class DayStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        MakeDirectory(folder.Path() + "/Data");
        MakeDirectory(folder.Path() + "/CHG");
    }

    std::string Race(const std::string& date, const std::string& course, int race,
                     const std::string& dataKind = "2", const std::string& name = "") {
        return RecordBuilder("RA", kRaLength)
            .Put(3, dataKind)
            .Put(4, "20240105")
            .Key(date, course, 1, 1, race)
            .Put(33, name, 60)
            .PutNumber(882, 16, 2);
    }

    std::string Runner(const std::string& date, int race, int horse) {
        return RecordBuilder("SE", kSeLength)
            .Put(3, "2")
            .Put(4, "20240105")
            .Key(date, "06", 1, 1, race)
            .PutNumber(29, horse, 2);
    }

    std::vector<std::string> Lines(const std::string& path) {
        std::vector<std::string> lines;
        auto text = ReadWholeFile(path);
        if (!text) return lines;
        for (size_t start = 0; start < text->size();) {
            size_t end = text->find("\r\n", start);
            lines.push_back(text->substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }

    test::TempFolder folder;
    std::string raceFile() { return folder.Path() + "/Data/2024年01月06日.jvRA"; }
};

TEST_F(DayStoreTest, SecondDeliveryOfARaceReplacesTheFirstAndLinesStaySorted) {
    DayStore store(folder.Path());
    ASSERT_TRUE(store.Store(Race("20240106", "06", 11, "1", "OLD"), StoreRoute::Download));
    ASSERT_TRUE(store.Store(Race("20240106", "06", 2), StoreRoute::Download));
    ASSERT_TRUE(store.Store(Race("20240106", "06", 11, "2", "NEW"), StoreRoute::Download));
    ASSERT_TRUE(store.Flush());

    auto lines = Lines(raceFile());
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ("02", lines[0].substr(25, 2));
    EXPECT_EQ("NEW", lines[1].substr(32, 3));
    // The stored head is normalised: kind, nine zeros, then the race key.
    EXPECT_EQ("RA0000000002024010606010111", lines[1].substr(0, 27));
    EXPECT_EQ(static_cast<size_t>(kRaLength - 2), lines[1].size());
}

TEST_F(DayStoreTest, CoalescedStoringGivesTheSameBytesAsStoringOneByOne) {
    std::vector<std::string> records;
    for (int race = 12; race >= 1; --race)
        records.push_back(Race("20240106", "06", race));
    for (int race = 1; race <= 12; race += 3)
        records.push_back(Race("20240106", "06", race, "2", "X"));
    records.push_back(Runner("20240106", 3, 7));
    records.push_back(Runner("20240106", 3, 7));

    test::TempFolder oneByOne;
    MakeDirectory(oneByOne.Path() + "/Data");
    for (const auto& r : records) {
        DayStore store(oneByOne.Path());
        store.Store(r, StoreRoute::Download);
        store.Flush();
    }
    DayStore coalesced(folder.Path());
    for (const auto& r : records)
        coalesced.Store(r, StoreRoute::Download);
    EXPECT_TRUE(coalesced.HasPendingWrites());
    ASSERT_TRUE(coalesced.Flush());
    EXPECT_FALSE(coalesced.HasPendingWrites());

    for (const char* name : {"/Data/2024年01月06日.jvRA", "/Data/2024年01月06日中山.jvSEr"}) {
        auto a = ReadWholeFile(oneByOne.Path() + name);
        auto b = ReadWholeFile(folder.Path() + name);
        ASSERT_TRUE(a && b) << name;
        EXPECT_EQ(*a, *b) << name;
    }
}

TEST_F(DayStoreTest, RunnerFileHas216BlankLinesAndTheLastSlotIsHorse18OfRace12) {
    DayStore store(folder.Path());
    ASSERT_TRUE(store.Store(Runner("20240106", 12, 18), StoreRoute::Download));
    ASSERT_TRUE(store.Flush());
    auto lines = Lines(folder.Path() + "/Data/2024年01月06日中山.jvSEr");
    ASSERT_EQ(216u, lines.size());
    EXPECT_EQ(std::string(553, ' '), lines[0]);
    EXPECT_EQ("SE2", lines[215].substr(0, 3));  // the runner keeps its delivered head
    EXPECT_EQ("18", lines[215].substr(28, 2));
}

TEST_F(DayStoreTest, ShortForeignRunnerFileIsFilledToItsSlots) {
    std::string path = folder.Path() + "/Data/2024年01月06日中山.jvSEr";
    ASSERT_TRUE(WriteFileAtomic(path, std::string(553, 'x') + "\r\n"));
    DayStore store(folder.Path());
    ASSERT_TRUE(store.Store(Runner("20240106", 2, 1), StoreRoute::Download));
    ASSERT_TRUE(store.Flush());
    auto lines = Lines(path);
    ASSERT_EQ(216u, lines.size());
    EXPECT_EQ(std::string(553, 'x'), lines[0]);
    EXPECT_EQ("01", lines[18].substr(28, 2));
}

// A stray CR or LF inside a stored line is damage within the record, not a line end: the
// record served again takes the whole line's place and the lines after it keep theirs.
TEST_F(DayStoreTest, ARecordServedAgainReplacesALineDamagedByALineBreakByte) {
    struct Case {
        const char* what;
        std::string path;
        std::string record;
        int line;  // of the record in its file
    } cases[] = {
        {"runner", folder.Path() + "/Data/2024年01月06日中山.jvSEr", Runner("20240106", 1, 3), 2},
        {"race", raceFile(), Race("20240106", "06", 3), 2}};
    for (const Case& c : cases) {
        for (char damage : {'\r', '\n'}) {
            SCOPED_TRACE(std::string(c.what) + (damage == '\r' ? " CR" : " LF"));
            {
                DayStore store(folder.Path());
                for (int race = 1; race <= 4; ++race) {
                    store.Store(Race("20240106", "06", race), StoreRoute::Download);
                    store.Store(Runner("20240106", 1, race), StoreRoute::Download);
                }
                ASSERT_TRUE(store.Flush());
            }
            std::string whole = ReadWholeFile(c.path).value();
            std::string damaged = whole;
            damaged[static_cast<size_t>(c.line * RecordLengthOf(KindOf(c.record)) + 100)] = damage;
            ASSERT_TRUE(WriteFileAtomic(c.path, damaged));
            DayStore store(folder.Path());
            ASSERT_TRUE(store.Store(c.record, StoreRoute::Download));
            ASSERT_TRUE(store.Flush());
            EXPECT_EQ(whole, ReadWholeFile(c.path).value());
        }
    }
}

TEST_F(DayStoreTest, RealTimeRaceAndRunnerRecordsNeedTheDaysFiles) {
    DayStore store(folder.Path());
    EXPECT_FALSE(store.Store(Race("20240106", "06", 1), StoreRoute::RealTime));
    EXPECT_FALSE(store.Store(Runner("20240106", 1, 1), StoreRoute::RealTime));
    store.Flush();
    EXPECT_FALSE(FileExists(raceFile()));

    ASSERT_TRUE(store.Store(Race("20240106", "06", 1), StoreRoute::Download));
    store.Flush();
    EXPECT_TRUE(store.Store(Race("20240106", "06", 2), StoreRoute::RealTime));
}

TEST_F(DayStoreTest, RecordsThatCannotMakeASafeFileNameAreNeverWritten) {
    DayStore store(folder.Path());
    EXPECT_FALSE(store.Store(Race("2024/1/6", "06", 1), StoreRoute::Download));
    EXPECT_FALSE(store.Store(Race("../../x", "06", 1), StoreRoute::Download));
    std::string unknownCourse =
        RecordBuilder("SE", kSeLength).Key("20240106", "ZZ", 1, 1, 1).PutNumber(29, 1, 2);
    EXPECT_FALSE(store.Store(unknownCourse, StoreRoute::Download));
    std::string shortRecord = Race("20240106", "06", 1).substr(0, 100);
    EXPECT_FALSE(store.Store(shortRecord, StoreRoute::Download));
    std::string broken = Race("20240106", "06", 1);
    broken[500] = '\n';
    EXPECT_FALSE(store.Store(broken, StoreRoute::Download));
    store.Flush();
    EXPECT_TRUE(ListFiles(folder.Path() + "/Data").empty());
}

TEST_F(DayStoreTest, BlankFirstLineIsDroppedAndChangeLinesGoToTheChangeFolder) {
    WriteFileAtomic(raceFile(), std::string(1270, ' ') + "\r\n");
    DayStore store(folder.Path());
    ASSERT_TRUE(store.Store(Race("20240106", "06", 1), StoreRoute::Download));
    std::string tc = RecordBuilder("TC", kTcLength)
                         .Put(3, "1")
                         .Key("20240106", "06", 1, 1, 5)
                         .Put(28, "01061130")
                         .Put(36, "1540");
    ASSERT_TRUE(store.Store(tc, StoreRoute::RealTime));
    ASSERT_TRUE(store.Flush());
    EXPECT_EQ(1u, Lines(raceFile()).size());
    auto tcLines = Lines(folder.Path() + "/CHG/2024年01月06日.TC");
    ASSERT_EQ(1u, tcLines.size());
    EXPECT_EQ("TC1", tcLines[0].substr(0, 3));
}

TEST_F(DayStoreTest, FailedWriteStaysPendingAndIsReported) {
    // The folder cannot be made below a file.
    WriteFileAtomic(folder.Path() + "/blocker", "x");
    DayStore blocked(folder.Path() + "/blocker");
    ASSERT_TRUE(blocked.Store(Race("20240106", "06", 1), StoreRoute::Download));
    FileFailure failure;
    EXPECT_FALSE(blocked.Flush(&failure));
    EXPECT_NE(failure.shown.find("blocker"), std::string::npos);
    EXPECT_TRUE(blocked.HasPendingWrites());
}

}  // namespace
}  // namespace kagiroi
