#pragma once

#include <string>
#include <vector>

namespace kagiroi {

// Exit statuses of kagiroi-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;

// Runs the command line (without the program name); `programFile` is the program's own file.
int RunCli(const std::string& programFile, const std::vector<std::string>& args);

}  // namespace kagiroi
