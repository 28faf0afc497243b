#pragma once

#include "platform/TextGrid.h"

namespace kagiroi {

// Orders the data rows (1 .. last) of a grid by the text of `column`, compared byte by byte as
// unsigned bytes (a prefix first), descending when asked; rows with equal texts are then put in
// ascending order of `tieColumn`. Whole rows move. Right-aligned numbers of one width therefore
// sort by value, and the full-width blank sorts after every digit.
void SortGridRows(TextGrid& grid, int column, bool descending, int tieColumn);

}  // namespace kagiroi
