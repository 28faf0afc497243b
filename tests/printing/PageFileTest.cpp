#include "printing/PageFile.h"
#include "printing/RaceListPage.h"
#include "support/DayBuilder.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

// A document of two pages with every canvas state a page may carry; its texts hold the bytes a
// line-based file could lose (a Shift_JIS trail byte that is a backslash, a tab, a line end).
TPrevX EveryKindOfOp() {
    TPrevX document;
    document.Title = "一覧表";
    document.SetPaper(PaperKind::A4, PaperOrientation::Landscape);
    document.NewDocument();
    document.SetFont({"ＭＳ ゴシック", 14, true, true, colors::kRed});
    document.TextOut(100, 90, "ソ表\t \r\n");
    document.TextOut(5, 5, "");
    document.PenWidth(20);
    document.BrushColour(colors::kSilver);
    document.Rectangle(100, 150, 2690, 1890);
    document.MoveTo(-3, 0);
    document.LineTo(2690, 350);
    TPrevX second = document;
    document.Restore(document.Paper(), {document.Pages()[0], second.Pages()[0]});
    return document;
}

TEST(PageFile, ReadsBackTheDocumentItWasWrittenFrom) {
    DayBook book;
    auto races = test::MakeDay("20240106", {"06", "08"});
    for (size_t i = 0; i < races.size(); ++i)
        book[static_cast<int>(i)].RaceInfo = test::RaceRecord(races[i]);
    for (const TPrevX& document : {DrawRaceList(book), EveryKindOfOp()}) {
        std::optional<TPrevX> read = ReadPageFileText(PageFileText(document));
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(document.Title, read->Title);
        EXPECT_EQ(document.Paper(), read->Paper());
        EXPECT_EQ(document.Pages(), read->Pages());
    }
}

TEST(PageFile, ATextCutShortOrGarbledIsNoPage) {
    std::string text = PageFileText(EveryKindOfOp());
    std::string garbled = text;
    garbled[garbled.find("op ") + 3] = '7';  // no such kind of operation
    for (const std::string& bad :
         {text.substr(0, text.size() - 4), text.substr(0, text.rfind("op ") + 10), garbled,
          std::string("kagiroi-page 2") + text.substr(text.find('\n')), std::string()})
        EXPECT_FALSE(ReadPageFileText(bad).has_value()) << bad;
}

}  // namespace
}  // namespace kagiroi
