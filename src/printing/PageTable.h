#pragma once

#include "printing/TPrevX.h"

#include <string>
#include <vector>

namespace kagiroi {

// The drawing operations of a document as rows, for a text listing: kind, positions in tenths
// of a millimetre, pen width (lines and rectangles), font size (texts) and text; header row
// first.
std::vector<std::vector<std::string>> PageRows(const TPrevX& document);

}  // namespace kagiroi
