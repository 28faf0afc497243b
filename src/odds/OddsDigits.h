#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace kagiroi {

// Odds fields read eight bytes at a time: a race's trio and trifecta tables hold 5712 fields of
// six and seven digits, and a day load reads 36 races of them.
inline constexpr int kDigitChunk = 8;

// The value of the `width` (1..8) bytes at `text` when they are all digits; false otherwise.
// Eight bytes must be readable at `text`; those past the field are ignored.
inline bool ReadDigitChunk(const char* text, int width, uint32_t& value) {
    static_assert(std::endian::native == std::endian::little, "the first byte must be lowest");
    uint64_t chunk;
    std::memcpy(&chunk, text, sizeof chunk);
    // Digits become 0..9. Shifting drops the bytes past the field and brings in zeros before
    // its first byte, which read as leading zero digits.
    chunk = (chunk ^ 0x3030303030303030ULL) << (8 * (kDigitChunk - width));
    // A byte above 9 gets its high bit set by the addition (or has it already).
    if (((chunk + 0x7676767676767676ULL) | chunk) & 0x8080808080808080ULL) return false;
    // Pairs of digits, then groups of four, then all eight: each step folds neighbours.
    chunk = chunk * 10 + (chunk >> 8);
    constexpr uint64_t kPairs = 0x000000FF000000FFULL;
    constexpr uint64_t kHigh = 100 + (1000000ULL << 32), kLow = 1 + (10000ULL << 32);
    chunk = ((chunk & kPairs) * kHigh + ((chunk >> 16) & kPairs) * kLow) >> 32;
    value = static_cast<uint32_t>(chunk);
    return true;
}

}  // namespace kagiroi
