#include "odds/CombinationRanking.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace kagiroi {

CombinationRanking::CombinationRanking() : counts_(std::make_unique<Counts>()) {}
CombinationRanking::~CombinationRanking() = default;

CombinationRanking::Layout CombinationRanking::LayoutFor(uint32_t highest) {
    Layout layout;
    int bits = std::bit_width(highest);
    layout.passes = (bits + kMaxDigitBits - 1) / kMaxDigitBits;
    layout.digitBits = layout.passes == 0 ? 0 : (bits + layout.passes - 1) / layout.passes;
    layout.mask = (1u << layout.digitBits) - 1;
    return layout;
}

void CombinationRanking::Clear(size_t expected) {
    Reserve(expected);
    count_ = 0;
    highest_ = 0;
}

void CombinationRanking::Reserve(size_t capacity) {
    if (capacity <= capacity_) return;
    auto entries = std::make_unique_for_overwrite<Entry[]>(capacity);
    std::copy_n(entries_.get(), count_, entries.get());
    entries_ = std::move(entries);
    scratch_ = std::make_unique_for_overwrite<Entry[]>(capacity);
    capacity_ = capacity;
}

// Counting the two halves apart gives two counters per digit: runs of equal digits (the low
// odds all share the high digit 0) would otherwise wait on one counter entry after entry.
void CombinationRanking::CountDigits(const Layout& layout) {
    const size_t half = count_ / 2;
    for (int p = 0; p < layout.passes; ++p) {
        auto& [front, back] = (*counts_)[static_cast<size_t>(p)];
        std::fill_n(front.begin(), layout.mask + 1, 0);
        std::fill_n(back.begin(), layout.mask + 1, 0);
        const int shift = layout.digitBits * p;
        for (size_t k = 0; k < half; ++k) {
            ++front[(entries_[k].odds >> shift) & layout.mask];
            ++back[(entries_[count_ - 1 - k].odds >> shift) & layout.mask];
        }
        if (count_ % 2 != 0) ++front[(entries_[half].odds >> shift) & layout.mask];
    }
}

void CombinationRanking::AssignRanks(int* ranks) {
    // As few digits as the highest odds need, and no wider than needed: a trio table's odds
    // (six digits, below 2^20) sort in two passes over 1024 counts.
    const Layout layout = LayoutFor(highest_);
    CountDigits(layout);
    const size_t buckets = size_t{layout.mask} + 1;
    const size_t half = count_ / 2;
    // Least significant digit first, each pass stable, so entries of equal odds keep the
    // ascending index order they were added in. Each pass places the first half of the entries
    // forwards from the start of their digit's range and the second half backwards from its
    // end, again two independent counters per digit. The last pass gives the ranks straight
    // from the places.
    for (int p = 0; p < layout.passes; ++p) {
        auto& [starts, ends] = (*counts_)[static_cast<size_t>(p)];
        uint32_t sum = 0;
        for (size_t b = 0; b < buckets; ++b) {
            uint32_t start = sum;
            sum += starts[b] + ends[b];
            starts[b] = start;
            ends[b] = sum;
        }
        const int shift = layout.digitBits * p;
        const uint32_t mask = layout.mask;
        const Entry* from = entries_.get();
        auto digit = [&](const Entry& e) { return (e.odds >> shift) & mask; };
        if (p + 1 < layout.passes) {
            Entry* to = scratch_.get();
            for (size_t k = 0; k < half; ++k) {
                const Entry& forwards = from[k];
                to[starts[digit(forwards)]++] = forwards;
                const Entry& backwards = from[count_ - 1 - k];
                to[--ends[digit(backwards)]] = backwards;
            }
            if (count_ % 2 != 0) to[starts[digit(from[half])]++] = from[half];
            std::swap(entries_, scratch_);
            continue;
        }
        for (size_t k = 0; k < half; ++k) {
            const Entry& forwards = from[k];
            ranks[forwards.index] = static_cast<int>(++starts[digit(forwards)]);
            const Entry& backwards = from[count_ - 1 - k];
            ranks[backwards.index] = static_cast<int>(ends[digit(backwards)]--);
        }
        if (count_ % 2 != 0)
            ranks[from[half].index] = static_cast<int>(++starts[digit(from[half])]);
        return;
    }
    // No digits: every odds value is 0, and the ranks follow the order of addition.
    for (size_t t = 0; t < count_; ++t)
        ranks[entries_[t].index] = static_cast<int>(t) + 1;
}

}  // namespace kagiroi
