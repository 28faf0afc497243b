#include "stakes/ClipboardExport.h"

#include <algorithm>

namespace kagiroi {

void CopyGridText(const TextGrid& table, int firstCol, int firstRow, int lastRow, int lastCol,
                  const std::string& heading, Clipboard& clipboard) {
    if (lastCol < firstCol || lastRow < firstRow || lastCol < 0 || lastRow < 0 ||
        firstCol >= table.ColCount() || firstRow >= table.RowCount()) {
        clipboard.SetText("");
        return;
    }
    firstCol = std::max(firstCol, 0);
    firstRow = std::max(firstRow, 0);
    lastCol = std::min(lastCol, table.ColCount() - 1);
    lastRow = std::min(lastRow, table.RowCount() - 1);
    std::string text = heading + "\r\n";
    for (int r = firstRow; r <= lastRow; ++r) {
        for (int c = firstCol; c <= lastCol; ++c) {
            if (c > firstCol) text += '\t';
            text += table.Cell(c, r);
        }
        text += "\r\n";
    }
    clipboard.SetText(text);
}

void CopyIndexTable(const TextGrid& indexTable, const std::array<std::string, 4>& headingLabels,
                    Clipboard& clipboard) {
    std::string heading = headingLabels[0];
    for (size_t k = 1; k < headingLabels.size(); ++k)
        heading += "\r\n" + headingLabels[k];
    CopyGridText(indexTable, 0, 0, indexTable.RowCount() - 1, indexTable.ColCount() - 1, heading,
                 clipboard);
}

}  // namespace kagiroi
