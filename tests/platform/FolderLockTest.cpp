// The folder's lock within one process: exclusive between threads, re-entrant on one; and the
// folders the program owns are never written through a link.
#include "platform/FileSystem.h"
#include "platform/FolderLock.h"
#include "platform/RegisteredFolder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>

#ifndef _WIN32
#include <cerrno>
#endif

namespace kagiroi {
namespace {

// A counter kept in a file, read and written back whole as every file of the program is.
void CountUp(const std::string& path, int times) {
    for (int i = 0; i < times; ++i) {
        FolderLock lock;
        ASSERT_TRUE(lock.Held());
        FolderLock again;  // a handler run inside a handler holding the lock
        ASSERT_TRUE(again.Held());
        int value = std::stoi(ReadWholeFile(path).value_or("0"));
        std::this_thread::yield();
        ASSERT_TRUE(WriteFileAtomic(path, std::to_string(value + 1)));
    }
}

class FolderLockTest : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        if (GetParam()) RegisterProgramFolder(folder.Path());
    }
    void TearDown() override { RegisterProgramFolder(""); }
    test::TempFolder folder;
};

TEST_P(FolderLockTest, ThreadsReadEachOthersResultAndOneThreadMayHoldItTwice) {
    std::string path = folder / "counter.txt";
    std::thread other(CountUp, path, 200);
    CountUp(path, 200);
    other.join();
    EXPECT_EQ("400", ReadWholeFile(path).value_or(""));
    EXPECT_EQ(GetParam(), FileExists(FolderLockPath(folder.Path())));
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutProgramFolder, FolderLockTest, ::testing::Bool());

#ifndef _WIN32
class OwnedFolderTest : public ::testing::Test {
  protected:
    void SetUp() override { RegisterProgramFolder(program.Path()); }
    void TearDown() override { RegisterProgramFolder(""); }
    test::TempFolder program, outside;
};

TEST_F(OwnedFolderTest, AFolderOfTheProgramThatIsALinkIsNeitherWrittenNorMadeThrough) {
    std::filesystem::create_directory_symlink(outside.Path(), program / "kaime");
    std::filesystem::create_directory_symlink(outside.Path(), program / "CSV");
    FileError error;
    EXPECT_FALSE(WriteFileAtomic(program / "kaime/240107.BET", "bets", &error));
    EXPECT_EQ(ELOOP, error.code);
    EXPECT_FALSE(MakeDirectories(program / "CSV/2024", &error));
    EXPECT_EQ(ELOOP, error.code);
    EXPECT_FALSE(MakeDirectory(program / "kaime", &error));
    EXPECT_EQ(ELOOP, error.code);
    EXPECT_EQ(std::vector<std::string>{}, ListFiles(outside.Path()));
    EXPECT_FALSE(std::filesystem::exists(outside / "2024"));
}

TEST_F(OwnedFolderTest, OwnedFoldersAreMadeAndWrittenAndOutsideLinksFollowed) {
    ASSERT_TRUE(MakeDirectories(program / "Jikeiretu/20240110"));
    ASSERT_TRUE(WriteFileAtomic(program / "Jikeiretu/20240110/05010101.jvO1", "odds"));
    EXPECT_EQ("odds", ReadWholeFile(program / "Jikeiretu/20240110/05010101.jvO1").value_or(""));
    std::filesystem::create_directory_symlink(outside.Path(), outside / "chosen");
    ASSERT_TRUE(WriteFileAtomic(outside / "chosen/240107.BET", "bets"));
    EXPECT_EQ("bets", ReadWholeFile(outside / "240107.BET").value_or(""));
}
#endif

}  // namespace
}  // namespace kagiroi
