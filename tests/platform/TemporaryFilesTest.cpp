// A whole-file write goes through a temporary file of its own: never one another program is
// writing, never through a link planted where a temporary name was expected.
#include "platform/FileSystem.h"
#include "support/TempFolder.h"

#ifndef _WIN32
#include <unistd.h>
#endif

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

TEST(TemporaryFiles, AnotherProgramsTemporaryFileIsLeftAlone) {
    test::TempFolder folder;
    std::string path = folder / "kagiroi.ini";
    ASSERT_TRUE(WriteFileAtomic(path + ".tmp~", "another program's half-written file"));
    ASSERT_TRUE(WriteFileAtomic(path, "ours"));
    EXPECT_EQ("ours", ReadWholeFile(path).value());
    EXPECT_EQ("another program's half-written file", ReadWholeFile(path + ".tmp~").value());
    // Nothing of ours is left behind.
    EXPECT_EQ((std::vector<std::string>{"kagiroi.ini", "kagiroi.ini.tmp~"}),
              ListFiles(folder.Path()));
}

TEST(TemporaryFiles, ALinkPlantedAtATemporaryNameIsNotFollowed) {
#ifdef _WIN32
    GTEST_SKIP() << "making a symbolic link needs a privilege on Windows";
#else
    test::TempFolder folder;
    std::string target = folder / "target";
    std::string path = folder / "2024.jvRA";
    ASSERT_TRUE(WriteFileAtomic(target, "precious"));
    ASSERT_EQ(0, ::symlink(target.c_str(), (path + ".tmp~").c_str()));
    ASSERT_TRUE(WriteFileAtomic(path, "day data"));
    EXPECT_EQ("precious", ReadWholeFile(target).value());
    EXPECT_EQ("day data", ReadWholeFile(path).value());
#endif
}

}  // namespace
}  // namespace kagiroi
