#include "platform/Registry.h"

#include "platform/FileSystem.h"
#include "platform/IniFile.h"
#include "platform/Sjis.h"

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

// The installers that write these records are 32-bit: a 64-bit program finds them only in the
// 32-bit view of the registry. Names are Shift_JIS and go through the wide functions.
constexpr REGSAM kInstallerView = KEY_READ | KEY_WOW64_32KEY;

std::wstring WideName(const std::string& sjis) {
    std::u16string wide = SjisToUtf16(sjis);
    return std::wstring(wide.begin(), wide.end());
}

class WindowsRegistry : public Registry {
  public:
    bool KeyExists(const std::string& key) override {
        HKEY h;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, WideName(key).c_str(), 0, kInstallerView, &h) !=
            ERROR_SUCCESS)
            return false;
        RegCloseKey(h);
        return true;
    }
    std::optional<std::string> ReadValue(const std::string& key,
                                         const std::string& valueName) override {
        HKEY h;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, WideName(key).c_str(), 0, kInstallerView, &h) !=
            ERROR_SUCCESS)
            return std::nullopt;
        wchar_t buffer[2048];
        DWORD size = sizeof buffer;
        LSTATUS rc = RegGetValueW(h, nullptr, WideName(valueName).c_str(), RRF_RT_REG_SZ, nullptr,
                                  buffer, &size);
        RegCloseKey(h);
        if (rc != ERROR_SUCCESS) return std::nullopt;
        std::u16string value(reinterpret_cast<const char16_t*>(buffer));
        return Utf16ToSjis(value);
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
