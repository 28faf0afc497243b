#include "analysis/MarkGridColumns.h"

#include "platform/TextField.h"

namespace kagiroi {

const char kMark[] = "ν";

bool HasMark(const TextGrid& grid, int col, int horse) {
    return Trim(grid.Cell(col, horse)) == kMark;
}

}  // namespace kagiroi
