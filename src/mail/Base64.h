#pragma once

#include <string>
#include <string_view>

namespace kagiroi {

// Standard Base64 (A-Z, a-z, 0-9, "+", "/"), padded with "=", on one line.
std::string Base64Encode(std::string_view bytes);

}  // namespace kagiroi
