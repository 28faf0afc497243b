#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

// The command line as read against the command's declaration: the command, its positional
// arguments and the options given ("--name value" or "--flag").
struct CliOptions {
    std::string command;
    std::vector<std::string> arguments;
    std::map<std::string, std::string> values;
    std::vector<std::pair<std::string, std::string>> repeated;  // options given many times
    std::vector<std::string> flags;
    // The folder the command was run from (Shift_JIS), taken before the program makes its own
    // folder the current one.
    std::string workingFolder;
    // kagiroi-cli's own file (Shift_JIS): the desktop program is looked for beside it.
    std::string programFile;

    bool Has(const std::string& flag) const;
    std::optional<std::string> Value(const std::string& name) const;
    // Every value of an option that may be given many times, in order.
    std::vector<std::string> All(const std::string& name) const;
    // A file or folder named on the command line (UTF-8) as the program's path: a relative one
    // is taken from the folder the command was run from, as the user means it.
    std::string UserPath(const std::string& typed) const;
};

// --mode's word as the item of 資金配分: "equal" 0, "proportional" 1, "kelly" 2; nothing for
// any other word.
std::optional<int> AllocationModeOption(const std::string& word);
inline constexpr const char* kAllocationModeUsage = "--mode is equal, proportional or kelly";

}  // namespace kagiroi
