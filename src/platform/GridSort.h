#pragma once

#include "platform/TextGrid.h"

#include <string_view>

namespace kagiroi {

// Orders the data rows (1 .. last) of a grid by the text of `column`, descending when asked; rows
// with equal texts are then put in ascending order of `tieColumn`. Whole rows move. Texts compare
// as CompareCellTexts does.
void SortGridRows(TextGrid& grid, int column, bool descending, int tieColumn);

// The order of two cell texts: blank texts (empty or ASCII spaces) first, then numbers by value
// however wide they are written, then every other text byte by byte as unsigned bytes (a prefix
// first), so the full-width blank sorts after every number. Negative, zero or positive.
int CompareCellTexts(std::string_view a, std::string_view b);

}  // namespace kagiroi
