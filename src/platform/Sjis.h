#pragma once

#include <string>
#include <string_view>

namespace kagiroi {

// Every text of the program is Shift_JIS (code page 932); these are the only conversions.
// Bytes that do not convert become U+FFFD (to UTF-8) or '?' (to Shift_JIS).
std::string SjisToUtf8(std::string_view sjis);
std::string Utf8ToSjis(std::string_view utf8);

// The same for the UTF-16 texts of COM calls; a lone surrogate becomes '?'.
std::u16string SjisToUtf16(std::string_view sjis);
std::string Utf16ToSjis(std::u16string_view utf16);

// True when every byte sequence is a valid code page 932 character.
bool IsValidSjis(std::string_view sjis);

// True when byte c starts a two-byte Shift_JIS character.
inline bool IsSjisLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

}  // namespace kagiroi
