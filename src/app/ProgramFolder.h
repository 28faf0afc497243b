#pragma once

#include <string>

namespace kagiroi {

// The folder every working folder and file lies under: KAGIROI_HOME when set, else the folder
// of the program file; where that is not writable (a system-wide install), the per-user data
// folder ($XDG_DATA_HOME/kagiroi, by default ~/.local/share/kagiroi). Shift_JIS, no trailing
// separator. Empty when no folder could be had.
std::string ResolveProgramFolder(const std::string& programFile);

// Makes `folder` (Shift_JIS) the KAGIROI_HOME of this process (the command line's --home).
void OverrideProgramHome(const std::string& folder);

// The running program's own file (from /proc/self/exe on Linux, argv[0] elsewhere).
std::string CurrentProgramFile(const char* argv0);

}  // namespace kagiroi
