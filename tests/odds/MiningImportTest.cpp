#include "odds/MiningImport.h"

#include "odds/OddsTestRecords.h"
#include "platform/FileSystem.h"
#include "platform/TextField.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

using test::DmBuilder;

class MiningImportTest : public ::testing::Test {
  protected:
    MiningImportTest() : book(std::make_unique<DayBook>()) {
        book->paths = test::TestDayPaths(folder);
        (*book)[0].RaceInfo = test::RaceRecord("05", 1, 6);
        (*book)[1].RaceInfo = test::RaceRecord("05", 2, 6);
    }
    // Puts the runner record's own prediction of horse h of slot s.
    void RunnerTime(int s, int h, const std::string& time, const std::string& plus = "0000",
                    const std::string& minus = "0000") {
        std::string& runner = (*book)[s].RunnerInfo[static_cast<size_t>(h)];
        PutField(runner, 538, 5, time);
        PutField(runner, 543, 4, plus);
        PutField(runner, 547, 4, minus);
    }
    const MiningEntry& Entry(int s, int h) { return (*book)[s].Mining[static_cast<size_t>(h)]; }

    test::TempFolder folder;
    std::unique_ptr<DayBook> book;
};

TEST_F(MiningImportTest, TheRunnersOwnPredictionWinsWhenItHasOne) {
    test::WriteDayFile(book->paths.miningFile, {DmBuilder("05", 1)
                                                    .Runner(1, "11234", "0050", "0030")
                                                    .Runner(2, "11234", "0050", "0030")
                                                    .Runner(3, "11234", "0050", "0030")
                                                    .Runner(4, "11300")});
    RunnerTime(0, 1, "00000");
    RunnerTime(0, 2, "11250", "0011", "0022");
    RunnerTime(0, 3, "99999", "0011", "0022");
    EXPECT_TRUE(ImportMining(*book).empty());
    EXPECT_EQ(11234, Entry(0, 1).MiningTime);
    EXPECT_EQ(50, Entry(0, 1).MiningErrorPlus);
    EXPECT_EQ(30, Entry(0, 1).MiningErrorMinus);
    EXPECT_EQ(11250, Entry(0, 2).MiningTime);
    EXPECT_EQ(11, Entry(0, 2).MiningErrorPlus);
    EXPECT_EQ(22, Entry(0, 2).MiningErrorMinus);
    EXPECT_EQ(11234, Entry(0, 3).MiningTime);  // 99999 is no prediction
    EXPECT_EQ(50, Entry(0, 3).MiningErrorPlus);
    // Equal times: the lower horse number first; runners without a time are not counted.
    EXPECT_EQ(1, Entry(0, 1).MiningRank);
    EXPECT_EQ(2, Entry(0, 3).MiningRank);
    EXPECT_EQ(3, Entry(0, 2).MiningRank);
    EXPECT_EQ(4, Entry(0, 4).MiningRank);
    EXPECT_EQ(0, Entry(0, 5).MiningRank);
    EXPECT_EQ(0, Entry(0, 5).MiningTime);
}

TEST_F(MiningImportTest, RecordsGoToTheSlotOfTheSameDateCourseAndRace) {
    // A later record of the same race replaces an earlier one.
    std::string race2 = DmBuilder("05", 2).Runner(1, "10700");
    test::WriteDayFile(book->paths.miningFile, {DmBuilder("05", 1, "20240107").Runner(1, "10500"),
                                                DmBuilder("06", 2).Runner(1, "10600"),
                                                DmBuilder("05", 2).Runner(1, "10000"), race2});
    ImportMining(*book);
    EXPECT_TRUE(IsBlank((*book)[0].DMCopy));
    EXPECT_EQ(0, Entry(0, 1).MiningTime);
    EXPECT_EQ(race2, (*book)[1].DMCopy);
    EXPECT_EQ(10700, Entry(1, 1).MiningTime);
}

TEST_F(MiningImportTest, WithoutAMiningFileTheRunnersPredictionsAlone) {
    (*book)[0].DMCopy = DmBuilder("05", 1).Runner(2, "10100");
    RunnerTime(0, 4, "10900");
    RunnerTime(0, 5, "10800");
    EXPECT_TRUE(ImportMining(*book).empty());
    EXPECT_TRUE(IsBlank((*book)[0].DMCopy));
    EXPECT_EQ(0, Entry(0, 2).MiningTime);
    EXPECT_EQ(2, Entry(0, 4).MiningRank);
    EXPECT_EQ(1, Entry(0, 5).MiningRank);
}

TEST_F(MiningImportTest, AnUnreadableMiningFileIsReported) {
    ASSERT_TRUE(MakeDirectories(book->paths.miningFile));
    RunnerTime(0, 1, "10900");
    std::vector<std::string> problems = ImportMining(*book);
    ASSERT_EQ(1u, problems.size());
    EXPECT_NE(std::string::npos, problems[0].find(book->paths.miningFile));
    EXPECT_EQ(1, Entry(0, 1).MiningRank);
}

}  // namespace
}  // namespace kagiroi
