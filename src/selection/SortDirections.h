#pragma once

#include <cstddef>
#include <vector>

namespace kagiroi {

// One direction flag per sortable column of a grid: false ascending, true descending. A header
// click flips its column's flag before sorting, so the first click sorts descending.
class SortDirections {
  public:
    explicit SortDirections(int columns)
        : descending_(columns > 0 ? static_cast<size_t>(columns) : 0, false) {}

    int Count() const { return static_cast<int>(descending_.size()); }
    // A column without a flag counts as ascending.
    bool IsDescending(int column) const;
    void Flip(int column);
    void ResetAll();

  private:
    std::vector<bool> descending_;
};

}  // namespace kagiroi
