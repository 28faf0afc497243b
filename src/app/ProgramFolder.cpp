#include "app/ProgramFolder.h"

#include "platform/FileSystem.h"

#include <cstdlib>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace kagiroi {

namespace {

std::string WithoutTrailingSeparator(std::string path) {
    while (path.size() > 1 && (path.back() == '/' || path.back() == '\\'))
        path.pop_back();
    return path;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

// The user's application data folder on Windows, the XDG data folder elsewhere.
std::string PerUserDataFolder() {
#ifdef _WIN32
    std::string base = Environment("APPDATA");
    if (base.empty()) return {};
#else
    std::string base = Environment("XDG_DATA_HOME");
    if (base.empty()) {
        std::string home = Environment("HOME");
        if (home.empty()) return {};
        base = home + "/.local/share";
    }
#endif
    return FromNativePath(base) + "/kagiroi";
}

}  // namespace

void OverrideProgramHome(const std::string& folder) {
#ifdef _WIN32
    _putenv_s("KAGIROI_HOME", folder.c_str());
#else
    ::setenv("KAGIROI_HOME", folder.c_str(), 1);
#endif
}

std::string CurrentProgramFile(const char* argv0) {
#ifdef __linux__
    char buffer[4096];
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n > 0) return FromNativePath(std::string(buffer, static_cast<size_t>(n)));
#elif defined(_WIN32)
    char buffer[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    if (n > 0 && n < sizeof buffer) return FromNativePath(std::string(buffer, n));
#endif
    return argv0 != nullptr ? FromNativePath(argv0) : std::string();
}

std::string ResolveProgramFolder(const std::string& programFile) {
    std::string home = Environment("KAGIROI_HOME");
    if (!home.empty()) {
        std::string folder = WithoutTrailingSeparator(FromNativePath(home));
        if (!MakeDirectories(folder)) return {};
        return WithoutTrailingSeparator(AbsolutePath(folder));
    }
    std::string folder = WithoutTrailingSeparator(FolderOf(AbsolutePath(programFile)));
    if (!folder.empty() && IsWritableDirectory(folder)) return folder;
    std::string perUser = PerUserDataFolder();
    if (perUser.empty() || !MakeDirectories(perUser)) return {};
    return perUser;
}

}  // namespace kagiroi
