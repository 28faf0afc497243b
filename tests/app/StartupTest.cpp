#include "app/MainFormFixture.h"
#include "platform/FileSystem.h"
#include "platform/SettingsFile.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

const char* kPluginKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Hibari投票プラグイン２_is1";
const char* kViewerKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Kazami２ for JRA-VAN Data Lab._is1";

std::vector<std::string> Lines(const std::string& path) {
    std::vector<std::string> lines;
    auto text = ReadWholeFile(path).value_or("");
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TEST(Startup, FirstStartMakesTheFoldersAndTheLogAndPlacesTheWindowAtItsDefaults) {
    test::MainFormFixture f({2024, 1, 6, 8, 30, 5});
    TMainForm& form = f.Started();
    for (const char* folder : {"Data", "kaime", "CHG"})
        EXPECT_TRUE(DirectoryExists(f.Path(folder))) << folder;

    auto log = Lines(f.Path("ErrorLog.txt"));
    ASSERT_EQ(2u, log.size());
    EXPECT_TEXT_EQ("ソフト起動：2024/01/06 08:30:05", log[0]);
    EXPECT_EQ(f.folder.Path(), log[1]);

    WindowPlacement p = form.StoredPlacement();
    EXPECT_EQ(10, p.top);
    EXPECT_EQ(10, p.left);
    EXPECT_EQ(1280, p.width);
    EXPECT_EQ(720, p.height);
    EXPECT_FALSE(p.maximized);
    // Without installer records no folder is written: a viewer installed later is still found.
    EXPECT_EQ("", ReadWholeFile(f.Path("kagiroi.ini")).value_or(""));
}

TEST(Startup, WindowPlacementSurvivesARestart) {
    test::MainFormFixture f;
    f.Started().FormCloseQuery({20, 30, 1000, 700});
    test::MainFormFixture again;
    TMainForm second(f.folder.Path(), again.Ports(), again.jvLink);
    WindowPlacement p = second.StoredPlacement();
    EXPECT_EQ(20, p.top);
    EXPECT_EQ(30, p.left);
    EXPECT_EQ(1000, p.width);
    EXPECT_EQ(700, p.height);
}

TEST(Startup, InstallerRecordsFillOnlyEmptyFolderSettings) {
    test::MainFormFixture f;
    SettingsFile settings(f.Path("kagiroi.ini"));
    settings.WriteString("Dir", "HibariTohyo2", "\"\"");  // reads as empty: looked up again
    settings.WriteString("Dir", "HibariTohyo", "/kept");
    f.registry.Set(kPluginKey, "Inno Setup: App Path", "/opt/plugin2");
    f.registry.Set(kViewerKey, "Inno Setup: App Path", "/opt/viewer");
    f.registry.Set(
        "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Hibari投票プラグイン_is1",
        "Inno Setup: App Path", "/opt/plugin1");
    f.Started();
    EXPECT_EQ("/opt/plugin2", settings.ReadString("Dir", "HibariTohyo2", ""));
    EXPECT_EQ("/kept", settings.ReadString("Dir", "HibariTohyo", ""));
    EXPECT_EQ("/opt/viewer/Data", settings.ReadString("Dir", "jikeiretu", ""));
}

TEST(Startup, BlankFolderSettingCountsAsEmptyAndABlankRecordWritesNothing) {
    test::MainFormFixture f;
    SettingsFile settings(f.Path("kagiroi.ini"));
    settings.WriteString("Dir", "HibariTohyo2", "\xA2   \xA3");
    f.registry.Set(kPluginKey, "Inno Setup: App Path", "/opt/p");
    f.registry.Set(kViewerKey, "Inno Setup: App Path", "   ");
    f.Started();
    EXPECT_EQ("/opt/p", settings.ReadString("Dir", "HibariTohyo2", ""));
    EXPECT_EQ("", settings.ReadString("Dir", "jikeiretu", ""));
}

// Earlier versions wrote the program's own history as the viewer's folder: that counts as blank.
TEST(Startup, TheViewersInstallationReplacesOnlyABlankOrOwnHistoryFolder) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "/opt/viewer/Data"}, {"HISTORY", "/opt/viewer/Data"}, {"/chosen", "/chosen"}};
    for (const auto& [stored, expected] : cases) {
        test::MainFormFixture f;
        SettingsFile settings(f.Path("kagiroi.ini"));
        settings.WriteString("Dir", "jikeiretu",
                             stored == "HISTORY" ? f.Path("Jikeiretu") : stored);
        f.registry.Set(kViewerKey, "Inno Setup: App Path", "/opt/viewer");
        f.Started();
        EXPECT_EQ(expected, settings.ReadString("Dir", "jikeiretu", "")) << stored;
    }
}

TEST(Startup, AWorkingFolderThatCannotBeMadeStopsTheStartUp) {
    test::MainFormFixture f;
    ASSERT_TRUE(WriteFileAtomic(f.Path("Data"), "a file where the folder belongs"));
    std::string error;
    EXPECT_FALSE(f.Form().FormCreate(&error));
    EXPECT_FALSE(error.empty());
}

TEST(Startup, HelpOpensTheManualOrSaysItIsMissing) {
    test::MainFormFixture f;
    TMainForm& form = f.Started();
    form.HelpClick();
    ASSERT_EQ(1u, f.ui.Messages().size());
    EXPECT_TEXT_EQ("使用解説書[Kagiroi.pdf]が見つかりません。", f.ui.Messages()[0]);
    EXPECT_EQ(1, f.ui.BeepCount());
    // Beside the program file when the program folder has none, the program folder's first.
    form.SetProgramFileFolder(f.Path("bin"));
    ASSERT_TRUE(MakeDirectory(f.Path("bin"), nullptr));
    WriteFileAtomic(f.Path("bin/Kagiroi.pdf"), "%PDF");
    form.HelpClick();
    WriteFileAtomic(f.Path("Kagiroi.pdf"), "%PDF");
    form.HelpClick();
    ASSERT_EQ(2u, f.shell.opened.size());
    EXPECT_EQ(f.Path("bin/Kagiroi.pdf"), f.shell.opened[0]);
    EXPECT_EQ(f.Path("Kagiroi.pdf"), f.shell.opened[1]);
    // No program opens it (no PDF viewer): said, with the manual's path.
    f.shell.openSucceeds = false;
    f.ui.Clear();
    form.HelpClick();
    ASSERT_EQ(1u, f.ui.Messages().size());
    EXPECT_NE(std::string::npos, f.ui.Messages()[0].find("使用解説書[Kagiroi.pdf]を開けません"));
    EXPECT_NE(std::string::npos, f.ui.Messages()[0].find(f.Path("Kagiroi.pdf")));
}

}  // namespace
}  // namespace kagiroi
