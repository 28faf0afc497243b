#include "platform/RegisteredFolder.h"

#include <mutex>

namespace kagiroi {

namespace {

std::mutex gFolderMutex;
std::string gFolder;

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

}  // namespace

void RegisterProgramFolder(const std::string& folder) {
    std::string trimmed = folder;
    while (trimmed.size() > 1 && IsSeparator(trimmed.back()))
        trimmed.pop_back();
    std::lock_guard<std::mutex> lock(gFolderMutex);
    gFolder = trimmed;
}

std::string RegisteredProgramFolder() {
    std::lock_guard<std::mutex> lock(gFolderMutex);
    return gFolder;
}

std::optional<std::vector<std::string>> PartsBelowProgramFolder(const std::string& path) {
    std::string root = RegisteredProgramFolder();
    if (root.empty() || path.size() <= root.size() + 1 || path.compare(0, root.size(), root) != 0 ||
        !IsSeparator(path[root.size()]))
        return std::nullopt;
    // Split at '/' only: the core joins with '/', and 0x5C may be the trail byte of a
    // two-byte character in a Shift_JIS name.
    std::vector<std::string> parts;
    size_t start = root.size() + 1;
    while (start <= path.size()) {
        size_t slash = path.find('/', start);
        if (slash == std::string::npos) slash = path.size();
        std::string part = path.substr(start, slash - start);
        if (part == "..") return std::nullopt;
        if (!part.empty() && part != ".") parts.push_back(part);
        start = slash + 1;
    }
    if (parts.empty()) return std::nullopt;
    return parts;
}

}  // namespace kagiroi
