#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kagiroi {

// Bytes [pos, pos+len) of a fixed-length record, positions 1-based. Bytes beyond the end of a
// short record read as blanks, so a field always has its full width.
std::string Field(std::string_view record, int pos, int len);

// Overwrites bytes [pos, pos+len) of a record with `value` (blank-padded or cut to len);
// a record too short for the field is first padded with blanks.
void PutField(std::string& record, int pos, int len, std::string_view value);

// A text that reads as a decimal number (blanks around it allowed, an optional sign) gives its
// value; anything else counts as 0.
int ToInt(std::string_view text);
int64_t ToInt64(std::string_view text);
// Like ToInt, but with a caller's fallback for text that does not read as a number.
int ToIntDef(std::string_view text, int fallback);
bool TryToInt64(std::string_view text, int64_t& value);

// A decimal number with a point ("12.5", " 3"); anything else counts as 0.
double ToDouble(std::string_view text);
bool TryToDouble(std::string_view text, double& value);

// Blanks are the bytes up to and including the space (control characters too), as the
// classic Trim; full-width spaces are not blanks.
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
bool IsBlank(std::string_view text);

bool IsDigits(std::string_view text);
std::string Spaces(size_t count);

}  // namespace kagiroi
