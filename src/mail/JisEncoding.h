#pragma once

#include <string>
#include <string_view>

namespace kagiroi {

// Mail leaves the program as 7-bit ISO-2022-JP; every text inside it is Shift_JIS. These are
// pure conversions without state.

// Shift_JIS in, ISO-2022-JP out: double-byte runs between ESC "$B" and ESC "(J", half-width
// katakana as their full-width letters, any byte that is no character as "?".
std::string SjisToJis(std::string_view sjis);

// ISO-2022-JP in: every escaped Japanese run becomes one Base64 encoded word (never folded),
// the rest passes through unchanged.
std::string JisToHeader(std::string_view jis);

// One double-byte character: Shift_JIS lead and trail byte to its two JIS X 0208 bytes.
std::string SjisPairToJis(unsigned char lead, unsigned char trail);

// The Shift_JIS full-width form of a half-width katakana byte (0xA1-0xDF); the voiced marks
// stay separate marks. Any other byte gives an empty text.
std::string HalfToFullKana(unsigned char half);

}  // namespace kagiroi
