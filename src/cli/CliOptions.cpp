#include "cli/CliOptions.h"

#include "platform/FileSystem.h"
#include "platform/Sjis.h"

#include <algorithm>
#include <set>

namespace kagiroi {

namespace {
const std::set<std::string> kValueOptions = {
    "--home", "--from", "--table", "--amount", "--mode",   "--strike", "--threshold",
    "--type", "--csv",  "--png",   "--rate",   "--target", "--jobs",   "--split"};
// Options that may be given more than once, each time with a value.
const std::set<std::string> kRepeatedOptions = {"--set"};
// A mistyped flag must not be taken for none: "--final-odd" would download without the odds.
const std::set<std::string> kFlags = {"--help",      "--sjis",       "--yes",
                                      "--no-plugin", "--trio",       "--trifecta",
                                      "--setup",     "--final-odds", "--progression"};
}  // namespace

bool CliOptions::Has(const std::string& flag) const {
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

std::optional<std::string> CliOptions::Value(const std::string& name) const {
    auto found = values.find(name);
    if (found == values.end()) return std::nullopt;
    return found->second;
}

std::vector<std::string> CliOptions::All(const std::string& name) const {
    std::vector<std::string> all;
    for (const auto& [option, value] : repeated)
        if (option == name) all.push_back(value);
    return all;
}

std::string CliOptions::UserPath(const std::string& typed) const {
    std::string path = Utf8ToSjis(typed);
    if (path.empty() || IsAbsolutePath(path) || workingFolder.empty()) return path;
    return JoinPath(workingFolder, path);
}

CliOptions ParseCliOptions(const std::vector<std::string>& args) {
    CliOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) == 0) {
            if (kRepeatedOptions.count(arg)) {
                if (i + 1 >= args.size()) {
                    options.error = arg + " needs a value";
                    return options;
                }
                options.repeated.emplace_back(arg, args[++i]);
            } else if (kValueOptions.count(arg)) {
                if (i + 1 >= args.size()) {
                    options.error = arg + " needs a value";
                    return options;
                }
                options.values[arg] = args[++i];
            } else if (kFlags.count(arg)) {
                options.flags.push_back(arg);
            } else {
                options.error = "unknown option: " + arg;
                return options;
            }
        } else if (options.command.empty()) {
            options.command = arg;
        } else {
            options.arguments.push_back(arg);
        }
    }
    return options;
}

std::optional<int> AllocationModeOption(const std::string& word) {
    static const char* const kModes[] = {"equal", "proportional", "kelly"};
    for (int k = 0; k < 3; ++k)
        if (word == kModes[k]) return k;
    return std::nullopt;
}

}  // namespace kagiroi
