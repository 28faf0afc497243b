#pragma once

#include <string>

namespace kagiroi {

// Removes the temporary files of whole-file writes ("<file>.<pid>.<n>.tmp~") that a killed
// program left in the program folder and the folders below it (two levels deep, links not
// followed), where the process that made them no longer runs; those of a running process are
// its writes in progress and stay. Gives how many were removed.
int RemoveLeftoverTemporaries(const std::string& programFolder);

// The process id in a temporary file's name; 0 when the name is not one.
long TemporaryFileOwner(const std::string& name);

}  // namespace kagiroi
