#include "platform/FileSystem.h"
#include "platform/Sjis.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kagiroi {
namespace {

// The script installs a built program; a stand-in file is enough for where it records it.
int InstallPlugin(const test::TempFolder& work, const std::string& folder) {
    std::string command = "KAGIROI_PLUGIN_HOME='" + folder + "' KAGIROI_REGISTRY='" +
                          (work / "records.ini") + "' '" KAGIROI_SCRIPTS "/install-plugin.sh' '" +
                          (work / "build") + "' > /dev/null";
    return std::system(command.c_str());
}

TEST(InstallPluginScript, ASecondInstallReplacesTheRecordOfTheFirst) {
#ifdef _WIN32
    GTEST_SKIP() << "the install script is a POSIX shell script";
#endif
    test::TempFolder work;
    MakeDirectories(work / "build/src");
    ASSERT_TRUE(WriteFileAtomic(work / "build/src/HibariTohyoPlugIn2", "#!/bin/sh\n"));
    ASSERT_TRUE(WriteFileAtomic(work / "records.ini", "[Other]\r\nInno Setup: App Path=/x\r\n"));
    ASSERT_EQ(0, InstallPlugin(work, work / "first"));
    ASSERT_EQ(0, InstallPlugin(work, work / "second"));

    std::string records = SjisToUtf8(ReadWholeFile(work / "records.ini").value());
    EXPECT_EQ(std::string::npos, records.find(work / "first")) << records;
    EXPECT_EQ("[Other]\r\nInno Setup: App Path=/x\r\n", records.substr(0, 34));
    size_t key = records.find("_is1]");
    EXPECT_EQ(std::string::npos, records.find("_is1]", key + 1)) << records;
    EXPECT_NE(std::string::npos, records.find("App Path=" + (work / "second") + "\r\n"));
}

}  // namespace
}  // namespace kagiroi
