#include "platform/GridSort.h"

#include <gtest/gtest.h>

namespace kagiroi {
namespace {

TEST(CompareCellTexts, BlanksThenNumbersByValueThenTextsByBytes) {
    // Each text sorts before the next.
    const std::vector<std::string> ordered = {"",    "   ", "-3.5",     "  9", " 10", " 99", "100",
                                              "109", "110", "12345678", "ABC", "ABD", "　"};
    for (size_t i = 0; i < ordered.size(); ++i)
        for (size_t j = 0; j < ordered.size(); ++j)
            EXPECT_EQ(i < j ? -1 : (i > j ? 1 : 0), CompareCellTexts(ordered[i], ordered[j]))
                << "'" << ordered[i] << "' against '" << ordered[j] << "'";
    // Equal values written differently still have one order.
    EXPECT_EQ(-1, CompareCellTexts(" 5", "5"));
}

TEST(SortGridRows, TiesFollowTheTieColumnAsNumbers) {
    TextGrid grid;
    grid.SetColCount(2);
    grid.SetRowCount(4);
    const char* rows[3][2] = {{"100", " 1"}, {" 11", " 1"}, {"  9", " 2"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 2; ++c)
            grid.SetCell(c, r + 1, rows[r][c]);
    SortGridRows(grid, 1, false, 0);
    EXPECT_EQ(" 11", grid.Cell(0, 1));
    EXPECT_EQ("100", grid.Cell(0, 2));
    EXPECT_EQ("  9", grid.Cell(0, 3));
}

}  // namespace
}  // namespace kagiroi
