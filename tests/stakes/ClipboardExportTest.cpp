#include "stakes/ClipboardExport.h"

#include "platform/Format.h"
#include "support/FakePorts.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kagiroi {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(text.size(), start) << "text does not end in CR LF";
    return lines;
}

TextGrid Numbered(int cols, int rows) {
    TextGrid grid(cols, rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            grid.SetCell(c, r, Format("%d.%d", c, r));
    return grid;
}

TEST(ClipboardExport, TheIndexTableGoesUnderItsFourHeadingLines) {
    TextGrid index = Numbered(19, 10);
    index.SetCell(5, 3, "");  // an empty cell keeps its separators
    test::FakeClipboard clipboard;
    CopyIndexTable(index, {"2009年3月15日", "第58回 スプリングS", "16頭", "馬齢"}, clipboard);
    std::vector<std::string> lines = Lines(clipboard.text);
    ASSERT_EQ(14u, lines.size());
    EXPECT_EQ("2009年3月15日", lines[0]);
    EXPECT_EQ("馬齢", lines[3]);
    for (size_t k = 4; k < lines.size(); ++k)
        EXPECT_EQ(18, std::count(lines[k].begin(), lines[k].end(), '\t')) << k;
    EXPECT_EQ("0.0", lines[4].substr(0, 3));  // the header row comes first
    EXPECT_NE(std::string::npos, lines[7].find("\t4.3\t\t6.3\t"));
    EXPECT_EQ(1, clipboard.sets);
}

TEST(ClipboardExport, ARectangleBeyondTheTableIsCutToIt) {
    TextGrid grid = Numbered(3, 4);
    test::FakeClipboard clipboard;
    CopyGridText(grid, -2, -1, 10, 10, "H", clipboard);
    EXPECT_EQ("H\r\n0.0\t1.0\t2.0\r\n0.1\t1.1\t2.1\r\n0.2\t1.2\t2.2\r\n0.3\t1.3\t2.3\r\n",
              clipboard.text);
    CopyGridText(grid, 1, 2, 2, 1, "", clipboard);
    EXPECT_EQ("\r\n1.2\r\n", clipboard.text);
}

TEST(ClipboardExport, AnEmptyOrOutsideRectangleGivesEmptyText) {
    TextGrid grid = Numbered(3, 4);
    test::FakeClipboard clipboard;
    const std::vector<std::array<int, 4>> rectangles = {
        // first col, first row, last row, last col
        {2, 0, 3, 1},    // last column before the first
        {0, 3, 2, 2},    // last row before the first
        {-3, 0, 3, -1},  // negative last column
        {0, -3, -1, 2},  // negative last row
        {3, 0, 3, 5},    // first column past the table
        {0, 4, 9, 2},    // first row past the table
    };
    for (const auto& r : rectangles) {
        clipboard.text = "old";
        CopyGridText(grid, r[0], r[1], r[2], r[3], "H", clipboard);
        EXPECT_EQ("", clipboard.text) << r[0] << " " << r[1] << " " << r[2] << " " << r[3];
    }
}

}  // namespace
}  // namespace kagiroi
