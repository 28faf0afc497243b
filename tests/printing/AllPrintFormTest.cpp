#include "platform/SettingsFile.h"
#include "printing/TAllPrintForm.h"
#include "support/FakePorts.h"
#include "support/TempFolder.h"
#include "support/TestText.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

TEST(AllPrintForm, ZoomItemReadAsWrittenHeldToTheItemsAndUnreadableAsDefault) {
    struct Case {
        const char* stored;
        int item, percent;
    } cases[] = {{nullptr, 1, 50}, {"0", 0, 25},  {"3", 3, 100},
                 {"4", 3, 100},    {"-1", 0, 25}, {"x", 1, 50}};
    for (const auto& c : cases) {
        test::TempFolder folder;
        SettingsFile settings(folder / "kagiroi.ini");
        if (c.stored) settings.WriteString("PrintZoom", "ratio", c.stored);
        test::FakeUi ui;
        TAllPrintForm form(settings, ui);
        form.FormCreate();
        EXPECT_EQ(c.item, form.ZoomItem()) << (c.stored ? c.stored : "missing");
        EXPECT_EQ(c.percent, form.Page().ZoomScale()) << (c.stored ? c.stored : "missing");
    }
}

TEST(AllPrintForm, ZoomAndPlacementWrittenForTheNextWindow) {
    test::TempFolder folder;
    SettingsFile settings(folder / "kagiroi.ini");
    test::FakeUi ui;
    {
        TAllPrintForm form(settings, ui);
        form.FormCreate();
        EXPECT_EQ((PrintWindowPlacement{10, 10, 630, 450}), form.Placement());
        form.ZoomClick(3);
        form.ZoomClick(9);  // not an item
        form.FormClose({20, 30, 800, 0});
    }
    TAllPrintForm again(settings, ui);
    again.FormCreate();
    EXPECT_EQ(3, again.ZoomItem());
    EXPECT_EQ(100, again.Page().ZoomScale());
    // A height of 0 would leave a window no one can see: the default size comes back.
    EXPECT_EQ((PrintWindowPlacement{20, 30, 630, 450}), again.Placement());
}

TEST(AllPrintForm, NoPrinterIsRefusedWithTheMessage) {
    test::TempFolder folder;
    SettingsFile settings(folder / "kagiroi.ini");
    test::FakeUi ui;
    TAllPrintForm form(settings, ui);
    form.ShowPage(TPrevX{}, "2024010x");
    EXPECT_TRUE(form.RequirePrinter(true));
    EXPECT_FALSE(form.RequirePrinter(false));
    ASSERT_EQ(2u, ui.events.size());
    EXPECT_EQ("warning", ui.events[0].kind);
    EXPECT_TEXT_EQ("プリンタが登録されていません", ui.events[1].text);
    // A date that is not digits stays out of the file name.
    EXPECT_TEXT_EQ("一覧表.pdf", form.DefaultPdfName());
    form.ShowPage(TPrevX{}, "20240106");
    EXPECT_TEXT_EQ("一覧表20240106.pdf", form.DefaultPdfName());
}

TEST(PreviewScale, ScreenOverPrinterTimesZoom) {
    EXPECT_DOUBLE_EQ(0.04, PreviewScale(96, 600, 25));
    EXPECT_DOUBLE_EQ(0.16, PreviewScale(96, 600, 100));
    EXPECT_DOUBLE_EQ(0.0, PreviewScale(96, 0, 100));
}

}  // namespace
}  // namespace kagiroi
