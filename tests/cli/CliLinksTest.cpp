// Nothing is written outside the program folder: a folder the program owns that is a link is
// refused with a message naming it; a folder the user chose is used as chosen, and the path
// printed is the one written.
#include "cli/CliFixture.h"
#include "platform/FileSystem.h"
#include "platform/SettingsFile.h"
#include "platform/Sjis.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace kagiroi::test {
namespace {

#ifndef _WIN32

class CliLinksTest : public CliTest {
  protected:
    void SetUp() override { UseDownloadedDays(); }
    // Replaces the program's folder `name` by a link to the outside folder.
    void LinkOut(const std::string& name) const {
        std::filesystem::remove_all(home / name);
        std::filesystem::create_directory_symlink(outside.Path(), home / name);
    }

    TempFolder outside;
};

TEST_F(CliLinksTest, AnOwnedFolderThatIsALinkIsRefusedAndNothingIsWrittenThere) {
    struct Case {
        const char* folder;
        std::vector<std::string> args;
    };
    const Case cases[] = {
        {"kaime", {"votefile", kPastDay, "1", "--type", SjisToUtf8("３連単"), "--yes"}},
        {"CSV", {"stats", kPastDay}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        LinkOut(c.folder);
        CliRun run = Run(c.args);
        EXPECT_NE(0, run.status);
        EXPECT_NE(std::string::npos, run.err.find(home / c.folder)) << run.err;
        EXPECT_NE(std::string::npos, run.err.find(SjisToUtf8("シンボリックリンクは使えません")))
            << run.err;
        EXPECT_EQ(std::vector<std::string>{}, ListFiles(outside.Path()));
        std::filesystem::remove(home / c.folder);
    }
}

TEST_F(CliLinksTest, AChosenVoteFolderThatIsALinkIsUsedAndTheRealPathPrinted) {
    std::filesystem::create_directory(outside / "real");
    std::filesystem::create_directory_symlink(outside / "real", outside / "chosen");
    ASSERT_TRUE(SettingsFile(home / "kagiroi.ini").WriteString("Dir", "kaime", outside / "chosen"));
    CliRun run = Run({"votefile", kPastDay, "1", "--type", SjisToUtf8("３連単"), "--yes"});
    ASSERT_EQ(0, run.status) << run.err;
    EXPECT_EQ(outside / "real/240107.BET\n", run.out);
    EXPECT_TRUE(FileExists(outside / "real/240107.BET"));
}

// A process id that no process has now: a child that has ended and been waited for.
long EndedProcessId() {
    pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return static_cast<long>(child);
}

TEST_F(CliLinksTest, TemporaryFilesOfAnEndedWriteGoAtTheNextStartThoseOfARunningOneStay) {
    std::string dead = "." + std::to_string(EndedProcessId()) + ".3.tmp~";
    std::string alive = "." + std::to_string(static_cast<long>(::getpid())) + ".1.tmp~";
    std::filesystem::create_directories(home / "Jikeiretu/20240110");
    const std::string planted[] = {home / "kagiroi.ini" + dead, home / "Data/x.jvRA" + dead,
                                   home / "Jikeiretu/20240110/05010101.jvO1" + dead,
                                   home / "kagiroi.ini" + alive, home / "Data/x.jvRA" + alive};
    for (const std::string& path : planted)
        ASSERT_TRUE(WriteFileAtomic(path, "half"));
    ASSERT_EQ(0, Run({"days"}).status);
    for (const std::string& path : planted)
        EXPECT_EQ(path.ends_with(alive), FileExists(path)) << path;
}

#endif

}  // namespace
}  // namespace kagiroi::test
