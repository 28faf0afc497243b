#pragma once

#include <string>
#include <vector>

namespace kagiroi {

// The folders the program makes and owns under its program folder (Data, CHG, kaime, CSV,
// HPupload, Jikeiretu, ...) are never followed when they are symbolic links: a link planted
// there would make a write land anywhere on the disk. Paths outside the registered program
// folder (a folder the user chose) are used as the system resolves them.

// The error number of a level that is a link.
int LinkRefusedError();

#ifdef _WIN32
// 0 when no level of `path` below the program folder is a link or junction (the last level
// only when `includingLast`), else LinkRefusedError().
int CheckOwnedLevels(const std::string& path, bool includingLast);
#else
// A descriptor of the folder `levels` levels below the program folder along `parts` (names
// below it, Shift_JIS), each level opened relative to its parent without following a link;
// the levels from index `makeFrom` on are made where missing. -1 with errno set when a level
// is a link (ELOOP), not a folder or cannot be opened.
int OpenOwnedFolder(const std::vector<std::string>& parts, size_t levels, size_t makeFrom);
#endif

}  // namespace kagiroi
