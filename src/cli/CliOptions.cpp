#include "cli/CliOptions.h"

#include "platform/FileSystem.h"
#include "platform/Sjis.h"

#include <algorithm>

namespace kagiroi {

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

std::optional<int> AllocationModeOption(const std::string& word) {
    static const char* const kModes[] = {"equal", "proportional", "kelly"};
    for (int k = 0; k < 3; ++k)
        if (word == kModes[k]) return k;
    return std::nullopt;
}

}  // namespace kagiroi
