#pragma once

#include <string>
#include <utility>
#include <vector>

namespace kagiroi {

// How a program run to its end ended.
struct ProgramRun {
    bool started = false;
    int status = -1;    // its exit status; -1 when it did not exit normally
    std::string error;  // why it did not start (Shift_JIS)
};

// Runs `program` with `arguments` (paths and texts in Shift_JIS) and waits for it to end. It
// shares our standard streams, and its environment is ours with `environment`'s names set (on
// Windows they are set in ours as well, which the child inherits).
ProgramRun RunProgramToEnd(const std::string& program, const std::vector<std::string>& arguments,
                           const std::vector<std::pair<std::string, std::string>>& environment);

}  // namespace kagiroi
