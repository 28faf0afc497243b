#pragma once

#include "platform/TextGrid.h"

#include <string>
#include <vector>

namespace kagiroi::test {

using Rows = std::vector<std::vector<std::string>>;

// The lines of a program's output, each without its line end.
std::vector<std::string> OutputLines(const std::string& output);
// Tab-separated cells, empty ones kept (a line ending in a tab ends in an empty cell).
std::vector<std::string> Cells(const std::string& line);
// The output's lines as cells.
Rows OutputRows(const std::string& output);
// Parts of the output separated by empty lines.
std::vector<Rows> OutputBlocks(const std::string& output);

// A grid's texts, header row first, converted from Shift_JIS to UTF-8.
Rows Utf8Rows(const TextGrid& grid);
Rows Utf8Rows(const Rows& sjisRows);

// The printed rows compared with the expected ones cell by cell; the first rows that differ
// are reported with both sides.
void ExpectSameRows(const Rows& expected, const Rows& printed, const std::string& what);

}  // namespace kagiroi::test
