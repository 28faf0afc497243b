#pragma once

#include "cli/CliOptions.h"

#include <string>
#include <vector>

namespace kagiroi {

class CliSession;

// An option a command takes: a flag, or an option with a value (named `value` in the help).
struct CliOption {
    const char* name;
    const char* value = nullptr;  // nullptr: a flag
    bool repeated = false;        // may be given many times, every value kept
};

// One command of kagiroi-cli: its arguments and options, its help and its handler.
struct CliCommand {
    const char* name;
    const char* arguments;  // as the help shows them; nullptr when the command takes none
    std::vector<CliOption> options;
    std::string help;  // one paragraph, Shift_JIS
    int (*handler)(CliSession&, const CliOptions&);
};

// The command line read against the commands.
struct CliCommandLine {
    const CliCommand* command = nullptr;  // none on wrong usage or a call for help
    CliOptions options;
    bool help = false;      // --help or the help command
    std::string usage;      // wrong usage: what was refused
    bool withHelp = false;  // the help follows the usage message
    std::string helpText;   // every command with its arguments, options and help (Shift_JIS)
};

CliCommandLine ReadCommandLine(const std::vector<CliCommand>& commands,
                               const std::vector<std::string>& args);

}  // namespace kagiroi
