#pragma once

#include "platform/TextGrid.h"

namespace kagiroi {

// The axis and partner grid (StringGrid7): row u is horse number u; columns 枠, 馬, 馬名, then
// the axis mark (軸) and the partner mark (相手). The race loading fills it, the marking sets
// its marks, the extraction and the index table's colours read them.
namespace markcol {
inline constexpr int kFrame = 0, kHorse = 1, kName = 2, kAxis = 3, kPartner = 4;
inline constexpr int kCount = 5;
}  // namespace markcol

// "ν", the text of a set mark (defined in the core, so the window sees Shift_JIS).
extern const char kMark[];

bool HasMark(const TextGrid& grid, int col, int horse);

}  // namespace kagiroi
