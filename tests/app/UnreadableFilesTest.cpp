// A file that exists but cannot be read is never rebuilt from nothing: the write fails, the file
// stays as it was, and the failure is told. Root reads every file, so the tests make the file
// layer refuse the read.
#include "app/MainFormFixture.h"
#include "cli/CliFixture.h"
#include "datalink/ChangeReading.h"
#include "daystore/DayFiles.h"
#include "daystore/DayStore.h"
#include "daystore/RecordLayout.h"
#include "platform/FileSystem.h"
#include "platform/Sjis.h"
#include "records/LossLedger.h"
#include "support/DayBuilder.h"
#include "support/FailingReads.h"
#include "support/MainFormProbe.h"
#include "support/RecordBuilder.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace kagiroi::test {
namespace {

bool Holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class UnreadableFilesTest : public ::testing::Test {
  protected:
    // Writes `text` to `path` and makes every read of it fail as a denied access does.
    void Unreadable(const std::string& path, const std::string& text) {
        ASSERT_TRUE(WriteFileAtomic(path, text));
        reads.Fail(path, EACCES);
    }
    static std::string Odds(int race) {
        return RecordBuilder("O1", kO1Length).Put(3, "1").Key("20240106", "06", 1, 1, race);
    }
    std::string OddsFile() const { return DataFolder(main.folder.Path()) + "/2024年01月06日.jvO1"; }

    MainFormFixture main;
    FailingReads reads;
};

TEST_F(UnreadableFilesTest, ASettingsWriteLeavesTheFileAndIsReportedWithTheFileNamed) {
    TMainForm& form = main.Started();
    std::string ini = main.Path("kagiroi.ini");
    Unreadable(ini, "[Time]\r\nAutoOzGet=7\r\n");
    EXPECT_FALSE(
        MainFormProbe::Settings(form).WriteString("JvDataGet", "LastTime", "2024/01/06 09:00:00"));
    reads.Clear();

    EXPECT_EQ("[Time]\r\nAutoOzGet=7\r\n", ReadWholeFile(ini).value());
    EXPECT_TRUE(Holds(form.Status().DownloadLabel.text, ini))
        << SjisToUtf8(form.Status().DownloadLabel.text);
    EXPECT_TRUE(Holds(form.Status().DownloadLabel.text, "アクセスが拒否されました"));
    EXPECT_EQ(1, form.FileFailures());
    // The log keeps the system's own words beside the program's.
    std::string log = ReadWholeFile(main.Path("ErrorLog.txt")).value();
    EXPECT_TRUE(Holds(log, ini) && Holds(log, "Permission denied")) << SjisToUtf8(log);
}

TEST_F(UnreadableFilesTest, ADayFileTakesNoRecordAndTheFlushNamesIt) {
    MakeDirectories(DataFolder(main.folder.Path()));
    std::string before = Odds(1).substr(0, kO1Length - 2) + "\r\n";
    Unreadable(OddsFile(), before);
    DayStore store(main.folder.Path());
    EXPECT_FALSE(store.Store(Odds(2), StoreRoute::RealTime));
    FileFailure failure;
    EXPECT_FALSE(store.Flush(&failure));
    reads.Clear();

    EXPECT_EQ(before, ReadWholeFile(OddsFile()).value());
    EXPECT_TRUE(Holds(failure.shown, OddsFile())) << SjisToUtf8(failure.shown);
    EXPECT_TRUE(Holds(failure.shown, "保存しませんでした")) << SjisToUtf8(failure.shown);
}

TEST_F(UnreadableFilesTest, AnOddsFetchLeavesTheOddsFileAndTellsTheRecordsWereNotStored) {
    WriteRaces(main.folder.Path(), MakeDay("20240106", {"06"}));
    TMainForm& form = main.Started();
    form.DateListChange(0);
    form.Race().DatListClick(2);
    std::string before = Odds(1).substr(0, kO1Length - 2) + "\r\n";
    Unreadable(OddsFile(), before);
    main.jvLink.QueueRecord(Odds(3));
    form.Fetches().SokuhoOddsBtnClick();
    reads.Clear();

    EXPECT_EQ(before, ReadWholeFile(OddsFile()).value());
    EXPECT_TRUE(Holds(form.Status().DownloadLabel.text, OddsFile()))
        << SjisToUtf8(form.Status().DownloadLabel.text);
    EXPECT_TRUE(Holds(ReadWholeFile(main.Path("ErrorLog.txt")).value(), OddsFile()));
}

TEST_F(UnreadableFilesTest, RecordsPendingAtExitThatCannotBeStoredAreLogged) {
    {
        TMainForm form(main.folder.Path(), main.Ports(), main.jvLink);
        std::string error;
        ASSERT_TRUE(form.FormCreate(&error)) << error;
        Unreadable(OddsFile(), Odds(1));
        MainFormProbe::Store(form).Store(Odds(2), StoreRoute::RealTime);
    }
    reads.Clear();
    EXPECT_TRUE(Holds(ReadWholeFile(main.Path("ErrorLog.txt")).value(), OddsFile()));
}

TEST_F(UnreadableFilesTest, TheErrorLogIsNotRebuiltFromItsNewLine) {
    FakeClock clock({2024, 1, 6, 9, 0, 0});
    std::string path = main.Path("ErrorLog.txt");
    Unreadable(path, "old line\r\n");
    ErrorLog log(path, clock);
    std::string told;
    log.ReportFailuresTo([&](const FileFailure& f) { told = f.shown; });
    EXPECT_FALSE(log.Append("message"));
    reads.Clear();
    EXPECT_EQ("old line\r\n", ReadWholeFile(path).value());
    EXPECT_TRUE(Holds(told, path)) << SjisToUtf8(told);
}

TEST_F(UnreadableFilesTest, AnUnreadableStampsFileAppliesNoChange) {
    std::string folder = main.folder.Path();
    MakeDirectories(DataFolder(folder));
    MakeDirectories(ChangeFolder(folder));
    DayBook book;
    book.day = "2024年01月06日";
    book.paths = PathsForDay(folder, book.day);
    std::string race =
        RecordBuilder("RA", kRaLength).Key("20240106", "06", 1, 1, 1).Put(874, "1000");
    ASSERT_TRUE(WriteFileAtomic(book.paths.raceFile, race));
    ASSERT_TRUE(
        WriteFileAtomic(ChangeFilePath(folder, book.day, ".TC"), RecordBuilder("TC", kTcLength)
                                                                     .Key("20240106", "06", 1, 1, 1)
                                                                     .Put(28, "01061130")
                                                                     .Put(36, "1120")));
    Unreadable(ChangeFilePath(folder, book.day, ".NEW"), "\r\n\r\n\r\n01061200\r\n\r\n");
    ChangeReadingResult result = ReadChanges(folder, book, 10);
    reads.Clear();

    EXPECT_EQ(0, result.racesMoved);
    EXPECT_EQ(race, ReadWholeFile(book.paths.raceFile).value());
    ASSERT_TRUE(result.failure.has_value());
    EXPECT_TRUE(Holds(result.failure->shown, ".NEW")) << SjisToUtf8(result.failure->shown);
}

TEST_F(UnreadableFilesTest, ALedgerThatCouldNotBeReadIsNotSavedOver) {
    std::string path = main.Path("ruison.csv");
    Unreadable(path, "\" 1\",\"2009/03/15\",\"3\",\"   3000\"\r\n");
    LossLedger ledger(path);
    ledger.Load();
    reads.Clear();
    EXPECT_FALSE(ledger.Save());
    EXPECT_EQ("\" 1\",\"2009/03/15\",\"3\",\"   3000\"\r\n", ReadWholeFile(path).value());
}

class UnreadableFilesCliTest : public CliTest {};

TEST_F(UnreadableFilesCliTest, AFileThatCannotBeReadEndsTheRunWithStatusOne) {
    // A folder in the error log's place cannot be read as a file, even by root.
    ASSERT_TRUE(MakeDirectory(home / "ErrorLog.txt"));
    CliRun run = Run({"days"});
    EXPECT_EQ(1, run.status) << run.err;
    EXPECT_TRUE(Holds(run.err, "ErrorLog.txt")) << run.err;
}

}  // namespace
}  // namespace kagiroi::test
