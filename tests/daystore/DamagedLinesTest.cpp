// A damaged line costs only itself: the lines around it load in their places, and the error log
// is told the file and the line.
#include "datalink/ChangeReading.h"
#include "daystore/DayFiles.h"
#include "daystore/DayRecords.h"
#include "daystore/RecordLayout.h"
#include "platform/FileSystem.h"
#include "platform/Sjis.h"
#include "platform/TextField.h"
#include "platform/TextLines.h"
#include "support/DayBuilder.h"
#include "support/RecordBuilder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

class DamagedLinesTest : public ::testing::Test {
  protected:
    DamagedLinesTest() : book(std::make_unique<DayBook>()) {
        MakeDirectory(folder / "CHG");
        test::WriteRaces(folder.Path(), test::MakeDay("20240601", {"05"}));
        book->day = "2024年06月01日";
        book->paths = PathsForDay(folder.Path(), book->day);
    }
    std::string RaceText() { return ReadWholeFile(book->paths.raceFile).value(); }
    int RaceNumberOf(int slot) { return NumberAt((*book)[slot].RaceInfo, RaceHead::RaceNumber); }

    test::TempFolder folder;
    std::unique_ptr<DayBook> book;
};

TEST_F(DamagedLinesTest, AShortOrOverlongRaceLineIsSkippedAndTheLaterRacesLoad) {
    struct Case {
        const char* what;
        int cut;  // bytes taken out of line 6 (negative: bytes added)
    } cases[] = {{"short", 600}, {"overlong", -40}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string text = RaceText();
        size_t line6 = 5 * kRaLength + 100;
        if (c.cut > 0)
            text.erase(line6, static_cast<size_t>(c.cut));
        else
            text.insert(line6, static_cast<size_t>(-c.cut), 'x');
        std::string path = folder / "Data/2024年06月02日.jvRA";
        ASSERT_TRUE(WriteFileAtomic(path, text));
        book->paths.raceFile = path;
        book->BlankAll();
        std::vector<std::string> problems;
        ReadRaceAndRunnerRecords(*book, {}, &problems);

        EXPECT_EQ(5, RaceNumberOf(4));
        EXPECT_EQ(7, RaceNumberOf(5));
        EXPECT_EQ(12, RaceNumberOf(10));
        EXPECT_TRUE((*book)[11].IsEmpty());
        ASSERT_EQ(1u, problems.size());
        EXPECT_NE(std::string::npos, problems[0].find(path + " の6行目"))
            << SjisToUtf8(problems[0]);
    }
}

TEST_F(DamagedLinesTest, ATruncatedOrUnrealChangeRecordIsSkippedAndNeverReachesTheRaceFile) {
    std::string whole = test::RecordBuilder("TC", kTcLength)
                            .Key("20240601", "05", 1, 1, 3)
                            .Put(28, "06011130")
                            .Put(36, "1120");
    std::string unreal = test::RecordBuilder("TC", kTcLength)
                             .Key("20240601", "05", 1, 1, 4)
                             .Put(28, "06011140")
                             .Put(36, "2575");
    std::string before = RaceText();
    struct Case {
        const char* what;
        std::string text;
    } cases[] = {{"truncated", whole.substr(0, 37)}, {"unreal time", unreal}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(WriteFileAtomic(ChangeFilePath(folder.Path(), book->day, ".TC"), c.text));
        ReadRaceAndRunnerRecords(*book);
        ChangeReadingResult result = ReadChanges(folder.Path(), *book, 10);
        EXPECT_FALSE(result.postTimesChanged);
        EXPECT_EQ(before, RaceText());
        ASSERT_EQ(1u, result.problems.size());
        EXPECT_NE(std::string::npos, result.problems[0].find(".TC"))
            << SjisToUtf8(result.problems[0]);
    }
}

}  // namespace
}  // namespace kagiroi
