// Two programs on one folder: each change is a read-modify-write of a whole file, and the second
// writer must read the first one's result. Every pair runs in several folders at once; whatever
// order the two runs took, the folder ends as one of the two runs one after the other left it.
#include "cli/CliFixture.h"
#include "platform/FileSystem.h"
#include "platform/FolderLock.h"
#include "platform/Sjis.h"
#include "platform/TextLines.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <future>
#include <memory>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace kagiroi::test {
namespace {

constexpr int kRounds = 4;

using Command = std::vector<std::string>;
// What of a folder the pair must not lose, as one comparable text.
using FolderState = std::function<std::string(const std::string& folder)>;

std::string FilesState(const std::string& folder, const std::vector<std::string>& names) {
    std::string state;
    for (const std::string& name : names)
        state += name + "\n" + ReadWholeFile(JoinPath(folder, name)).value_or("(none)") + "\n";
    return state;
}

FolderState Files(std::vector<std::string> names) {
    return [names](const std::string& folder) { return FilesState(folder, names); };
}

// Every day file: the day store with nothing of either run lost.
FolderState DayFilesAnd(std::vector<std::string> names) {
    return [names](const std::string& folder) {
        std::vector<std::string> all = names;
        for (const std::string& name : ListFiles(JoinPath(folder, "Data")))
            all.push_back("Data/" + name);
        return FilesState(folder, all);
    };
}

// The error log's start-up lines: each run adds its own.
std::string StartUpLines(const std::string& folder) {
    int count = 0;
    for (const std::string& line : SplitLines(ReadWholeFile(folder + "/ErrorLog.txt").value_or("")))
        count += line.rfind("ソフト起動：", 0) == 0 ? 1 : 0;
    return std::to_string(count) + " start-ups";
}

struct SharedPair {
    const char* what;
    const char* now;
    Command first, second;
    FolderState state;
};

void CopyFolder(const std::string& from, const std::string& to) {
    std::filesystem::copy(from, to,
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
}

class CliSharedFolderTest : public CliTest {
  protected:
    CliRun RunIn(const std::string& folder, const Command& args, const char* now) const {
        return RunKagiroiCli(args, {folder, now, registry});
    }

    // The folder the pair starts from, copied afresh for every run.
    std::string Start(const std::string& name) const {
        std::string folder = home / name;
        CopyFolder(templateFolder_.Path(), folder);
        return folder;
    }

    // The pair one after the other, in both orders, then kRounds times both at once.
    void CheckNothingLost(const SharedPair& pair) {
        std::vector<std::string> orders;
        for (const auto& [a, b] :
             {std::pair{&pair.first, &pair.second}, std::pair{&pair.second, &pair.first}}) {
            std::string folder = Start("one-after-the-other" + std::to_string(orders.size()));
            ASSERT_EQ(0, RunIn(folder, *a, pair.now).status);
            ASSERT_EQ(0, RunIn(folder, *b, pair.now).status);
            orders.push_back(pair.state(folder));
        }
        std::vector<std::string> folders;
        std::vector<std::future<CliRun>> runs;
        for (int round = 0; round < kRounds; ++round) {
            folders.push_back(Start("together" + std::to_string(round)));
            for (const Command* args : {&pair.first, &pair.second})
                runs.push_back(
                    std::async(std::launch::async, [this, args, &pair, folder = folders.back()] {
                        return RunIn(folder, *args, pair.now);
                    }));
        }
        for (auto& run : runs) {
            CliRun done = run.get();
            EXPECT_EQ(0, done.status) << pair.what << ": " << done.err;
        }
        for (const std::string& folder : folders) {
            std::string state = pair.state(folder);
            EXPECT_TRUE(state == orders[0] || state == orders[1])
                << pair.what << " in " << folder << ":\n"
                << SjisToUtf8(state) << "\none after the other:\n"
                << SjisToUtf8(orders[0]);
        }
    }

    TempFolder templateFolder_;
};

TEST_F(CliSharedFolderTest, NoChangeOfOneProgramIsLostToTheOther) {
    UseDownloadedDays(templateFolder_.Path());
    const SharedPair pairs[] = {
        {"two settings commands",
         kCliNow,
         {"settings", "investment", "--amount", "5000", "--rate", "150", "--target", "20000"},
         {"settings", "source", "component"},
         Files({"kagiroi.ini"})},
        {"two odds fetches of different races",
         kCliNow,
         {"fetch", "odds", kToday, "11"},
         {"fetch", "odds", kToday, "12"},
         DayFilesAnd({})},
        {"a download beside fetch results",
         kCliNow,
         {"download"},
         {"fetch", "results", kToday, "1"},
         DayFilesAnd({"PopularityRates.txt"})},
        {"error log lines of two programs", kCliNow, {"days"}, {"days"}, StartUpLines},
    };
    for (const SharedPair& pair : pairs) {
        SCOPED_TRACE(pair.what);
        CheckNothingLost(pair);
        std::filesystem::remove_all(home.Path());
        std::filesystem::create_directories(home.Path());
    }
}

TEST_F(CliSharedFolderTest, TwoLedgerEntriesAddedTogetherAreBothKept) {
    ASSERT_EQ(
        0,
        RunIn(templateFolder_.Path(), {"download", "--final-odds"}, "2026-12-12T08:00:00").status);
    CheckNothingLost({"two ledger entries",
                      "2026-12-12T12:00:00",
                      {"ledger", "add", "2026-12-05", "06-11", "3000", "--yes"},
                      {"ledger", "add", "2026-12-05", "09-11", "2000", "--yes"},
                      Files({"ruison.csv"})});
    std::string ledger = ReadWholeFile(home / "together0/ruison.csv").value_or("");
    EXPECT_NE(std::string::npos, ledger.find("   3000")) << SjisToUtf8(ledger);
    EXPECT_NE(std::string::npos, ledger.find("   2000")) << SjisToUtf8(ledger);
}

#ifndef _WIN32
TEST_F(CliSharedFolderTest, AWriteGivesUpWhenAnotherProgramKeepsTheFolderAndWritesNothing) {
    // The other program: this test process, holding the folder's lock file.
    int held = ::open(FolderLockPath(home.Path()).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    ASSERT_LE(0, held);
    ASSERT_EQ(0, ::flock(held, LOCK_EX | LOCK_NB));
    CliRun run = Run({"settings", "investment", "--amount", "5000"});
    ::close(held);
    EXPECT_EQ(1, run.status);
    std::string ini = SjisToUtf8(home / "kagiroi.ini");
    EXPECT_NE(std::string::npos,
              run.err.find(ini + SjisToUtf8(" に設定を保存できませんでした：ほかのプログラムが"
                                            "フォルダを使用中です")))
        << run.err;
    EXPECT_FALSE(FileExists(home / "kagiroi.ini"));
    EXPECT_FALSE(FileExists(home / "ErrorLog.txt"));
}
#endif

}  // namespace
}  // namespace kagiroi::test
