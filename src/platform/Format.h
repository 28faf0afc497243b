#pragma once

#include <string>

namespace kagiroi {

// printf-style formatting into a new string ("%2d", "%7.1f", "%-8s"...).
std::string Format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));

}  // namespace kagiroi
