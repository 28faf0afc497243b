#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace kagiroi {

// Popularity ranks of a trio or trifecta table: the priced combinations ordered by odds, equal
// odds by the lower combination index first (the order of the key "odds digits + index").
// A day load ranks 36 tables of up to 4896 entries; a radix sort on the odds keeps that linear.
class CombinationRanking {
  public:
    CombinationRanking();
    ~CombinationRanking();

    // Empties the table; `expected` entries are made room for.
    void Clear(size_t expected = 0);
    // Indices must be added in ascending order; that order breaks the ties.
    void Add(int index, uint32_t oddsTenths) {
        if (count_ == capacity_) Reserve(capacity_ == 0 ? 64 : 2 * capacity_);
        entries_[count_++] = {oddsTenths, static_cast<uint32_t>(index)};
        if (oddsTenths > highest_) highest_ = oddsTenths;
    }
    // ranks[index] = 1 for the lowest odds, 2 for the next, ...; other entries are untouched.
    void AssignRanks(int* ranks);

  private:
    static constexpr int kMaxDigitBits = 12;  // the counts of a digit stay in the L1 cache
    static constexpr int kMaxPasses = (32 + kMaxDigitBits - 1) / kMaxDigitBits;
    using Digits = std::array<uint32_t, 1u << kMaxDigitBits>;
    // Per digit, the counts of the first and of the second half of the entries.
    using Counts = std::array<std::array<Digits, 2>, kMaxPasses>;
    struct Entry {
        uint32_t odds;
        uint32_t index;
    };
    struct Layout {
        int passes = 0;
        int digitBits = 0;
        uint32_t mask = 0;
    };
    // As few digits as odds up to `highest` need, each no wider than needed.
    static Layout LayoutFor(uint32_t highest);
    // Room for `capacity` entries, the ones held kept; new room is not zeroed.
    void Reserve(size_t capacity);
    void CountDigits(const Layout& layout);

    std::unique_ptr<Entry[]> entries_, scratch_;  // entries_[0, count_) hold the table
    size_t capacity_ = 0;
    size_t count_ = 0;
    uint32_t highest_ = 0;
    std::unique_ptr<Counts> counts_;
};

}  // namespace kagiroi
