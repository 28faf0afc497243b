#include "selection/SortDirections.h"

#include <algorithm>

namespace kagiroi {

bool SortDirections::IsDescending(int column) const {
    return column >= 0 && column < Count() && descending_[static_cast<size_t>(column)];
}

void SortDirections::Flip(int column) {
    if (column < 0 || column >= Count()) return;
    descending_[static_cast<size_t>(column)] = !descending_[static_cast<size_t>(column)];
}

void SortDirections::ResetAll() {
    std::fill(descending_.begin(), descending_.end(), false);
}

}  // namespace kagiroi
