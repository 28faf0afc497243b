#include "cli/CliOutput.h"

#include "platform/Sjis.h"

#include <gtest/gtest.h>

namespace kagiroi::test {

std::vector<std::string> OutputLines(const std::string& output) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < output.size()) {
        size_t end = output.find('\n', start);
        if (end == std::string::npos) end = output.size();
        lines.push_back(output.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells;
    size_t start = 0;
    while (true) {
        size_t tab = line.find('\t', start);
        cells.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
        if (tab == std::string::npos) return cells;
        start = tab + 1;
    }
}

Rows OutputRows(const std::string& output) {
    Rows rows;
    for (const auto& line : OutputLines(output))
        rows.push_back(Cells(line));
    return rows;
}

std::vector<Rows> OutputBlocks(const std::string& output) {
    std::vector<Rows> blocks(1);
    for (const auto& line : OutputLines(output)) {
        if (line.empty()) {
            blocks.emplace_back();
        } else {
            blocks.back().push_back(Cells(line));
        }
    }
    return blocks;
}

Rows Utf8Rows(const TextGrid& grid) {
    Rows rows;
    for (int r = 0; r < grid.RowCount(); ++r)
        rows.push_back(grid.Row(r));
    return Utf8Rows(rows);
}

Rows Utf8Rows(const Rows& sjisRows) {
    Rows rows;
    for (const auto& row : sjisRows) {
        rows.emplace_back();
        for (const auto& cell : row)
            rows.back().push_back(SjisToUtf8(cell));
    }
    return rows;
}

void ExpectSameRows(const Rows& expected, const Rows& printed, const std::string& what) {
    EXPECT_EQ(expected.size(), printed.size()) << what << ": number of rows";
    int reported = 0;
    for (size_t r = 0; r < std::min(expected.size(), printed.size()) && reported < 5; ++r) {
        if (expected[r] == printed[r]) continue;
        ++reported;
        EXPECT_EQ(expected[r], printed[r]) << what << ": row " << r;
    }
}

}  // namespace kagiroi::test
