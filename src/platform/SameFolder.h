#pragma once

#include <string>

namespace kagiroi {

// The same folder, whatever separators end either path.
bool SameFolder(std::string a, std::string b);

}  // namespace kagiroi
