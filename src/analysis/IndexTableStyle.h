#pragma once

#include "platform/TextGrid.h"

namespace kagiroi {

// How StringGrid26DrawCell paints a cell of the index table, from the table's own texts and the
// axis and partner marks of the horse grid (StringGrid7, row = horse number).
CellStyle IndexTableCellStyle(const TextGrid& indexTable, const TextGrid& axisGrid, int column,
                              int row);

}  // namespace kagiroi
