#include "platform/Registry.h"

#include "platform/FileSystem.h"
#include "platform/IniFile.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#endif

namespace kagiroi {

namespace {

IniText LoadRecords(const std::string& path) {
    auto text = ReadWholeFile(path);
    return IniText(text ? *text : std::string());
}

}  // namespace

bool InstallerRecordsFile::KeyExists(const std::string& key) {
    return LoadRecords(path_).HasSection(key);
}

std::optional<std::string> InstallerRecordsFile::ReadValue(const std::string& key,
                                                           const std::string& valueName) {
    return LoadRecords(path_).Get(key, valueName);
}

std::string DefaultInstallerRecordsPath() {
    if (const char* explicitPath = std::getenv("KAGIROI_REGISTRY"); explicitPath && *explicitPath)
        return FromNativePath(explicitPath);
    std::string base;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config) {
        base = FromNativePath(config);
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = FromNativePath(home) + "/.config";
    } else {
        return {};
    }
    return base + "/kagiroi/installer-records.ini";
}

#ifdef _WIN32

namespace {

class WindowsRegistry : public Registry {
  public:
    bool KeyExists(const std::string& key) override {
        HKEY h;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
            return false;
        RegCloseKey(h);
        return true;
    }
    std::optional<std::string> ReadValue(const std::string& key,
                                         const std::string& valueName) override {
        char buffer[2048];
        DWORD size = sizeof buffer;
        if (RegGetValueA(HKEY_LOCAL_MACHINE, key.c_str(), valueName.c_str(), RRF_RT_REG_SZ, nullptr,
                         buffer, &size) != ERROR_SUCCESS)
            return std::nullopt;
        return std::string(buffer);
    }
};

}  // namespace

std::unique_ptr<Registry> MakeMachineRegistry() {
    return std::make_unique<WindowsRegistry>();
}

#else

std::unique_ptr<Registry> MakeMachineRegistry() {
    std::string path = DefaultInstallerRecordsPath();
    if (path.empty()) return std::make_unique<EmptyRegistry>();
    return std::make_unique<InstallerRecordsFile>(path);
}

#endif

}  // namespace kagiroi
