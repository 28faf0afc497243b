#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

// The command line split into the command, its positional arguments and its options
// ("--name value" or "--flag").
struct CliOptions {
    std::string command;
    std::vector<std::string> arguments;
    std::map<std::string, std::string> values;
    std::vector<std::string> flags;
    std::string error;  // wrong usage

    bool Has(const std::string& flag) const;
    std::optional<std::string> Value(const std::string& name) const;
};

// Options are the known ones that take a value and the known flags; any other is wrong usage.
CliOptions ParseCliOptions(const std::vector<std::string>& args);

}  // namespace kagiroi
