#pragma once

#include <string>

namespace kagiroi {

// A name beside `path` for a temporary file ("<path>.<pid>.<n>.tmp~"): no other write uses it,
// and one a killed program left in the program folder is removed at the next start.
std::string TemporaryPathFor(const std::string& path);

}  // namespace kagiroi
