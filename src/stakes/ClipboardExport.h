#pragma once

#include "platform/Clipboard.h"
#include "platform/TextGrid.h"

#include <array>
#include <string>

namespace kagiroi {

// Puts a rectangle of a grid on the clipboard as text: the heading, CR LF, then one line per row
// with the cells separated by TAB, each line ended by CR LF. A rectangle that is empty or lies
// outside the grid gives empty text; a rectangle reaching beyond the grid is cut to it.
void CopyGridText(const TextGrid& table, int firstCol, int firstRow, int lastRow, int lastCol,
                  const std::string& heading, Clipboard& clipboard);

// The whole index table under the race heading: the four heading label texts joined by CR LF.
void CopyIndexTable(const TextGrid& indexTable, const std::array<std::string, 4>& headingLabels,
                    Clipboard& clipboard);

}  // namespace kagiroi
