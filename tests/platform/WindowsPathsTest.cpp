#include "app/ProgramFolder.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

#ifdef _WIN32
#include <windows.h>

#include <thread>
#endif

namespace kagiroi {
namespace {

TEST(WindowsCommandLine, TheRuntimeSplitsItBackIntoTheArguments) {
    const std::string hyo = "\x95\x5C";  // 表: its second byte is a backslash's
    const struct {
        std::vector<std::string> args;
        std::string line;
    } cases[] = {
        {{"C:\\Program Files\\x.exe", "a b"}, "\"C:\\Program Files\\x.exe\" \"a b\""},
        {{"C:\\folder\\"}, "\"C:\\folder\\\\\""},
        {{"say \"hi\"\\"}, "\"say \\\"hi\\\"\\\\\""},
        {{"a\\\\\"b"}, "\"a\\\\\\\\\\\"b\""},
        {{"D:\\" + hyo}, "\"D:\\" + hyo + "\""},
        {{""}, "\"\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.line, WindowsCommandLine(c.args));
}

TEST(FileStamps, ARewriteWithinTheSameSecondIsSeen) {
    test::TempFolder folder;
    std::string path = folder / "odds.txt";
    ASSERT_TRUE(WriteFileAtomic(path, "1"));
    std::optional<FileStamp> before = StampOf(path);
    ASSERT_TRUE(WriteFileAtomic(path, "2"));
    EXPECT_NE(before, StampOf(path));
}

TEST(ProgramFolders, TheFolderOfAProgramGivenWithTheSystemsSeparators) {
    test::TempFolder folder;
    std::string program = folder / "kagiroi-cli.exe";
#ifdef _WIN32
    std::replace(program.begin(), program.end(), '/', '\\');
#endif
    EXPECT_EQ(AbsolutePath(folder.Path()), ResolveProgramFolder(program));
}

#ifdef _WIN32
TEST(WindowsFileNames, ComeBackJoinedWithSlashesWithTwoByteCharactersWhole) {
    EXPECT_EQ("C:/Data/\x95\x5C/a.txt", FromNativePath("C:\\Data\\\x95\x5C\\a.txt"));
}

TEST(WindowsFileNames, ADayFileHasItsJapaneseNameWhateverTheSystemCodePage) {
    test::TempFolder folder;
    const std::string name = "2026年11月21日.jvHR";  // Shift_JIS, as the day store names it
    ASSERT_TRUE(WriteFileAtomic(folder / name, "R"));
    std::u16string systemName = u"2026年11月21日.jvHR";
    std::wstring wide =
        WidePath(folder.Path()) + L"\\" + std::wstring(systemName.begin(), systemName.end());
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(wide.c_str()));
    EXPECT_EQ(std::vector<std::string>{name}, ListFiles(folder.Path()));
    EXPECT_EQ("R", ReadWholeFile(folder / name).value_or(""));
    EXPECT_TRUE(RemoveFile(folder / name));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(wide.c_str()));
}

TEST(WindowsFileNames, ARenameOntoAFileHeldForAMomentIsTriedAgain) {
    test::TempFolder folder;
    std::string path = folder / "day.txt";
    ASSERT_TRUE(WriteFileAtomic(path, "old"));
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    std::thread release([held] {
        Sleep(200);
        CloseHandle(held);
    });
    FileError error;
    EXPECT_TRUE(WriteFileAtomic(path, "new", &error)) << error.systemText;
    release.join();
    EXPECT_EQ("new", ReadWholeFile(path).value_or(""));
}
#endif

}  // namespace
}  // namespace kagiroi
