#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kagiroi {

// Popularity ranks of a trio or trifecta table: the priced combinations ordered by odds, equal
// odds by the lower combination index first (the order of the key "odds digits + index").
// A day load ranks 36 tables of up to 4896 entries; a radix sort on the odds keeps that linear.
class CombinationRanking {
  public:
    // Empties the table; `expected` entries are made room for.
    void Clear(size_t expected = 0);
    // Indices must be added in ascending order; that order breaks the ties.
    void Add(int index, uint32_t oddsTenths);
    // ranks[index] = 1 for the lowest odds, 2 for the next, ...; other entries are untouched.
    void AssignRanks(int* ranks);

  private:
    struct Entry {
        uint32_t odds;
        uint32_t index;
    };
    std::vector<Entry> entries_, scratch_;
    uint32_t highest_ = 0;
};

}  // namespace kagiroi
