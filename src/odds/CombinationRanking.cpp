#include "odds/CombinationRanking.h"

#include <array>
#include <cstddef>
#include <utility>

namespace kagiroi {

namespace {

// 12-bit digits: two passes cover every odds field of seven digits (below 2^24).
constexpr int kDigitBits = 12;
constexpr uint32_t kDigitMask = (1u << kDigitBits) - 1;
constexpr int kMaxPasses = (32 + kDigitBits - 1) / kDigitBits;

}  // namespace

void CombinationRanking::Clear(size_t expected) {
    entries_.clear();
    entries_.reserve(expected);
    highest_ = 0;
}

void CombinationRanking::Add(int index, uint32_t oddsTenths) {
    entries_.push_back({oddsTenths, static_cast<uint32_t>(index)});
    if (oddsTenths > highest_) highest_ = oddsTenths;
}

void CombinationRanking::AssignRanks(int* ranks) {
    int passes = 0;
    while (passes < kMaxPasses && (static_cast<uint64_t>(highest_) >> (kDigitBits * passes)) != 0)
        ++passes;
    // One counting pass for every digit, then least significant digit first. Each pass is
    // stable, so entries of equal odds keep the ascending index order they were added in.
    static thread_local std::array<std::array<uint32_t, kDigitMask + 1>, kMaxPasses> starts;
    for (int p = 0; p < passes; ++p)
        starts[static_cast<size_t>(p)].fill(0);
    for (const Entry& e : entries_)
        for (int p = 0; p < passes; ++p)
            ++starts[static_cast<size_t>(p)][(e.odds >> (kDigitBits * p)) & kDigitMask];
    scratch_.resize(entries_.size());
    for (int p = 0; p < passes; ++p) {
        auto& start = starts[static_cast<size_t>(p)];
        uint32_t sum = 0;
        for (uint32_t& count : start)
            sum += std::exchange(count, sum);
        int shift = kDigitBits * p;
        for (const Entry& e : entries_)
            scratch_[start[(e.odds >> shift) & kDigitMask]++] = e;
        std::swap(entries_, scratch_);
    }
    for (size_t t = 0; t < entries_.size(); ++t)
        ranks[entries_[t].index] = static_cast<int>(t) + 1;
}

}  // namespace kagiroi
