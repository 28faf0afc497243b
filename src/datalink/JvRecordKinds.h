#pragma once

#include <string_view>

namespace kagiroi {

// Length in bytes, CR LF included, of a record of a known kind; 0 for an unknown kind.
int JvRecordLength(std::string_view kind);

}  // namespace kagiroi
