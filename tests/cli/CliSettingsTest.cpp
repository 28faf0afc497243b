#include "cli/CliFixture.h"
#include "platform/FileSystem.h"
#include "platform/Sjis.h"

#include <gtest/gtest.h>

namespace kagiroi::test {
namespace {

class CliSettingsTest : public CliTest {};

TEST_F(CliSettingsTest, TheDataSourceIsShownSetAndAFolderThatIsNotThereRefused) {
    EXPECT_EQ("Source\tdemo\n", Run({"settings", "source"}).out);
    EXPECT_EQ("Source\tcomponent\n", Run({"settings", "source", "COMPONENT"}).out);
    CliRun missing = Run({"settings", "source", home / "missing"});
    EXPECT_EQ(1, missing.status);
    EXPECT_NE(std::string::npos, missing.err.find("missing")) << missing.err;
    EXPECT_EQ("Source\tcomponent\n", Run({"settings", "source"}).out) << "nothing changed";
    EXPECT_EQ("Source\t" + home.Path() + "\n", Run({"settings", "source", home.Path()}).out);
    EXPECT_EQ(2, Run({"settings", "source", "demo", "extra"}).status);
}

TEST_F(CliSettingsTest, AProgramFolderWithAJapaneseNameIsTheOneUsed) {
    const std::string folder = home / "競馬データ";
    CliRun run = Run({"--home", SjisToUtf8(folder), "settings", "source", "component"});
    EXPECT_EQ(0, run.status) << run.err;
    EXPECT_TRUE(FileExists(JoinPath(folder, "kagiroi.ini")));
}

TEST_F(CliSettingsTest, TheModelsPowersAreShownWrittenAndHeldToTheirRange) {
    EXPECT_EQ("Alpha\t1.00\nLambda\t1.00\nTau\t1.00\n", Run({"settings", "model"}).out);
    CliRun set = Run({"settings", "model", "--alpha", "1.234", "--tau", "9"});
    EXPECT_EQ(0, set.status) << set.err;
    EXPECT_EQ("Alpha\t1.23\nLambda\t1.00\nTau\t2.00\n", set.out);
    EXPECT_EQ(set.out, Run({"settings", "model"}).out) << "what is shown is what is stored";
    CliRun wrong = Run({"settings", "model", "--lambda", "abc"});
    EXPECT_EQ(2, wrong.status);
    EXPECT_NE(std::string::npos, wrong.err.find("--lambda")) << wrong.err;
    EXPECT_EQ(set.out, Run({"settings", "model"}).out) << "nothing changed";
}

}  // namespace
}  // namespace kagiroi::test
