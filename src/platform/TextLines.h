#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kagiroi {

// The lines of a text file: a line ends at CR LF, LF or a lone CR, as the classic string list
// reads them; a last line without a break still counts.
std::vector<std::string> SplitLines(std::string_view text);
// The lines, each followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace kagiroi
