#pragma once

#include <string>

namespace kagiroi {

// The texts that popularity and mining ranks sort, written without printf: a day load builds
// some 5000 of them. Each gives exactly what Format gives for the same value.

// Format("%*d", width, value).
std::string RightAlignedNumber(int value, int width);
// Format("%6.1f", odds).
std::string OddsKeyText(double odds);

}  // namespace kagiroi
