#pragma once

#include <string>

namespace kagiroi {

// printf-style formatting into a new string ("%2d", "%7.1f", "%-8s"...).
std::string Format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));

// 12600 as "12,600", whatever the user's locale: the program's own way of writing yen.
std::string GroupedDigits(long long value);

}  // namespace kagiroi
