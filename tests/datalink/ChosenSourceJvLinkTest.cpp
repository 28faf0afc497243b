#include "JvTestReading.h"
#include "datalink/ChosenSourceJvLink.h"
#include "datalink/ComponentJvLink.h"
#include "demo/DemoJvLink.h"
#include "demo/DemoRecords.h"
#include "demo/DemoWorld.h"
#include "platform/FileSystem.h"
#include "platform/TextField.h"
#include "support/FakePorts.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

class FakeSourceDialog : public JvLinkSourceDialog {
  public:
    std::optional<std::string> ChooseSource(const std::string& current) override {
        shown.push_back(current);
        return answer;
    }
    std::optional<std::string> answer;
    std::vector<std::string> shown;
};

class ChosenSourceJvLinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // One race card in the folder, so a folder feed is told from the demo by what it serves.
        DemoWorld world(DateTime{2024, 1, 6});
        const DemoRace* race = world.Day(DateTime{2024, 1, 6})->Races().front();
        std::string ra = DemoRaRecord(*race, DemoStage::Card, DateTime{2024, 1, 5});
        WriteFileAtomic(data / "races.txt", ra.substr(0, ra.size() - 2) + "\r\n");
    }

    test::JvDownload DownloadWith(JvLink& link) { return test::Download(link, "20240101000000"); }

    test::TempFolder home, data;
    SettingsFile settings{home / "kagiroi.ini"};
    test::FakeClock clock{DateTime{2024, 1, 6, 11, 0, 0}};
    FakeSourceDialog dialog;
};

TEST_F(ChosenSourceJvLinkTest, TheDemoServesWhenNothingIsSet) {
    std::unique_ptr<JvLink> link =
        CreateChosenSourceJvLink(settings, clock, nullptr, MakeDemoJvLink);
    ASSERT_EQ(0, link->JVInit("KAGIROI"));
    test::JvDownload d = DownloadWith(*link);
    ASSERT_EQ(0, d.openCode);
    EXPECT_GT(d.reading.records.size(), 1000u);
    EXPECT_FALSE(FileExists(settings.Path())) << "reading the setting writes nothing";
}

TEST_F(ChosenSourceJvLinkTest, AFolderSettingServesTheFolderFromTheNextOpen) {
    ChosenSourceJvLink link(settings, MakeDemoJvLink(clock), nullptr);
    ASSERT_EQ(0, link.JVInit("KAGIROI"));
    ASSERT_EQ(0, link.JVRTOpen("0B14", "20240106"));  // the demo is open
    settings.WriteString(setting::kDataSource.section, setting::kDataSource.key, data.Path());
    EXPECT_EQ(-202, link.JVRTOpen("0B14", "20240106")) << "the open request stays with the demo";
    std::string record, file;
    EXPECT_EQ(42, link.JVRead(record, 60000, file)) << "a demo weather notice";
    EXPECT_EQ(0, link.JVClose());

    test::JvDownload d = DownloadWith(link);
    ASSERT_EQ(0, d.openCode);
    ASSERT_EQ(1u, d.reading.records.size());
    EXPECT_EQ("RA", Field(d.reading.records[0].record, 1, 2));
    ASSERT_NE(nullptr, link.FolderFeed());
    EXPECT_EQ(data.Path(), link.FolderFeed()->Folder());

    settings.WriteString(setting::kDataSource.section, setting::kDataSource.key, "Demo");
    EXPECT_EQ("demo", link.Source());
    EXPECT_GT(DownloadWith(link).reading.records.size(), 1000u);

    settings.WriteString(setting::kDataSource.section, setting::kDataSource.key, data / "missing");
    EXPECT_EQ(-401, DownloadWith(link).openCode);
    EXPECT_EQ(FolderMissingText(data / "missing"), link.FailureText());
}

TEST_F(ChosenSourceJvLinkTest, AFolderFeedIsInitialisedLikeTheDemo) {
    settings.WriteString(setting::kDataSource.section, setting::kDataSource.key, data.Path());
    ChosenSourceJvLink link(settings, MakeDemoJvLink(clock), nullptr);
    EXPECT_EQ(-201, DownloadWith(link).openCode) << "no JVInit yet";
    EXPECT_EQ(-101, link.JVInit(""));
    ASSERT_EQ(0, link.JVInit("KAGIROI"));
    EXPECT_EQ(0, DownloadWith(link).openCode);
}

TEST_F(ChosenSourceJvLinkTest, TheSettingsDialogChoosesTheSource) {
    ChosenSourceJvLink link(settings, MakeDemoJvLink(clock), &dialog);
    dialog.answer = data.Path();
    EXPECT_EQ(0, link.JVSetUIProperties());
    ASSERT_EQ(1u, dialog.shown.size());
    EXPECT_EQ("demo", dialog.shown[0]);
    EXPECT_EQ(data.Path(),
              settings.ReadString(setting::kDataSource.section, setting::kDataSource.key, ""));

    dialog.answer.reset();  // cancelled
    EXPECT_EQ(0, link.JVSetUIProperties());
    EXPECT_EQ(data.Path(), dialog.shown[1]);
    EXPECT_EQ(data.Path(),
              settings.ReadString(setting::kDataSource.section, setting::kDataSource.key, ""));

    dialog.answer = " demo ";
    EXPECT_EQ(0, link.JVSetUIProperties());
    EXPECT_EQ("demo",
              settings.ReadString(setting::kDataSource.section, setting::kDataSource.key, ""));

    dialog.answer = data / "missing";
    EXPECT_EQ(-100, link.JVSetUIProperties()) << "a folder that does not exist is refused";
    EXPECT_EQ(FolderMissingText(data / "missing"), link.FailureText());
    EXPECT_EQ("demo",
              settings.ReadString(setting::kDataSource.section, setting::kDataSource.key, ""));
}

TEST_F(ChosenSourceJvLinkTest, WithoutADialogTheSettingsStayAsTheyAre) {
    ChosenSourceJvLink link(settings, MakeDemoJvLink(clock), nullptr);
    EXPECT_EQ(0, link.JVSetUIProperties());
    EXPECT_FALSE(FileExists(settings.Path()));
}

// The component's bridge for this process's next component, "" for none.
void UseBridgeProgram(const std::string& program) {
#ifdef _WIN32
    _putenv_s("KAGIROI_JVLINK_BRIDGE", program.c_str());
#else
    ::setenv("KAGIROI_JVLINK_BRIDGE", program.c_str(), 1);
#endif
}

TEST_F(ChosenSourceJvLinkTest, TheComponentSettingServesTheComponentWithItsRules) {
    auto source = [&](const char* value) {
        settings.WriteString(setting::kDataSource.section, setting::kDataSource.key, value);
    };
    source(kComponentSource);
    UseBridgeProgram("");
    {
        ChosenSourceJvLink link(settings, MakeDemoJvLink(clock), nullptr);
        ASSERT_EQ(0, link.JVInit("KAGIROI"));
        EXPECT_EQ(-401, link.JVRTOpen("0B14", "20240106")) << "no component on this machine";
        EXPECT_NE("", link.FailureText());
    }
    UseBridgeProgram(KAGIROI_STANDIN_BRIDGE_PATH);
    ChosenSourceJvLink link(settings, MakeDemoJvLink(clock), nullptr);
    ASSERT_EQ(0, link.JVInit("KAGIROI"));
    int reads = 0, downloads = 0;
    std::string stamp;
    ASSERT_EQ(0, link.JVOpen("RACEDIFFHOSESNAP", "20240101000000", 1, reads, downloads, stamp));
    source(kDemoSource);
    EXPECT_EQ(-202, link.JVRTOpen("0B14", "20240106")) << "the component holds the request";
    EXPECT_EQ(0, link.JVClose());
    EXPECT_EQ(-203, link.JVClose()) << "nothing is open any more";
    UseBridgeProgram("");
}

TEST_F(ChosenSourceJvLinkTest, ComponentSettingsAreTheComponentsOwnAndTheSourceIsChosenApart) {
    settings.WriteString(setting::kDataSource.section, setting::kDataSource.key, "Component");
    ChosenSourceJvLink link(settings, MakeDemoJvLink(clock), &dialog);
    UseBridgeProgram("");
    EXPECT_FALSE(ComponentJvLinkAvailable());
    EXPECT_EQ(-401, link.JVSetUIProperties()) << "no component to show the settings of";
    EXPECT_NE("", link.FailureText());
    UseBridgeProgram(KAGIROI_STANDIN_BRIDGE_PATH);
    EXPECT_TRUE(ComponentJvLinkAvailable());
    EXPECT_EQ(0, link.JVSetUIProperties());
    EXPECT_TRUE(dialog.shown.empty()) << "the component's dialog, not the source dialog";

    dialog.answer = "demo";
    EXPECT_EQ(0, link.ChooseSource());
    ASSERT_EQ(1u, dialog.shown.size());
    EXPECT_EQ(kComponentSource, dialog.shown[0]);
    EXPECT_EQ(kDemoSource, link.Source());
    UseBridgeProgram("");
}

TEST_F(ChosenSourceJvLinkTest, TheStartUpSettlesTheSourceOrEndsTheProgram) {
    struct Case {
        const char* stored;  // nullptr: not set
        bool componentByDefault, available, takesDemo;
        bool proceeds, asked;
        const char* after;  // what is stored then, "" for nothing
    } cases[] = {
        {nullptr, false, false, false, true, false, ""},  // here: the demo, nothing probed
        {nullptr, true, true, false, true, false, "component"},
        {nullptr, true, false, true, true, true, "demo"},
        {nullptr, true, false, false, false, true, ""},
        {"component", false, false, false, false, true, "component"},
        {"component", false, true, false, true, false, "component"},
        {"demo", true, false, false, true, false, "demo"},
        {"D:\\jvdata", true, false, false, true, false, "D:\\jvdata"},
    };
    for (const Case& c : cases) {
        test::TempFolder folder;
        SettingsFile file(folder / "kagiroi.ini");
        const TextSetting& source = setting::kDataSource;
        if (c.stored != nullptr) file.WriteString(source.section, source.key, c.stored);
        bool asked = false;
        bool proceeds = SettleStartupSource(
            file, c.componentByDefault, [&] { return c.available; },
            [&] { return asked = true, c.takesDemo; });
        SCOPED_TRACE(std::string(c.stored ? c.stored : "unset") +
                     (c.available ? " available" : ""));
        EXPECT_EQ(c.proceeds, proceeds);
        EXPECT_EQ(c.asked, asked);
        EXPECT_EQ(c.after, file.ReadString(source.section, source.key, ""));
    }
}

}  // namespace
}  // namespace kagiroi
