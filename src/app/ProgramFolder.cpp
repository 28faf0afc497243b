#include "app/ProgramFolder.h"

#include "platform/FileSystem.h"

#include <cstdlib>
#include <cstring>
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

// A variable of the environment in the native form (read wide on Windows).
std::string Environment(const char* name) {
#ifdef _WIN32
    std::wstring wideName(name, name + std::strlen(name));
    const wchar_t* value = _wgetenv(wideName.c_str());
    return value != nullptr ? FromWidePath(value) : std::string();
#else
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
#endif
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
    _wputenv_s(L"KAGIROI_HOME", WidePath(folder).c_str());
#else
    ::setenv("KAGIROI_HOME", NativePath(folder).c_str(), 1);
#endif
}

std::string CurrentProgramFile(const char* argv0) {
#ifdef __linux__
    char buffer[4096];
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n > 0) return FromNativePath(std::string(buffer, static_cast<size_t>(n)));
#elif defined(_WIN32)
    wchar_t buffer[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    if (n > 0 && n < MAX_PATH) return FromWidePath(std::wstring(buffer, n));
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
