#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

// The program folder of this run, set once at start by the program's entry (window or command
// line). It keys the folder's inter-process lock and marks where the folders the program owns
// lie. Empty until set: a test of one file works without a lock file and follows links as the
// system does.
void RegisterProgramFolder(const std::string& folder);
std::string RegisteredProgramFolder();

// The names of the levels of `path` below the registered folder ("Data", "20240107.jvRA");
// nothing when no folder is registered or `path` does not lie under it (or is the folder).
std::optional<std::vector<std::string>> PartsBelowProgramFolder(const std::string& path);

}  // namespace kagiroi
