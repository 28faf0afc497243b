#pragma once

#include <memory>
#include <optional>
#include <string>

namespace kagiroi {

// Read-only machine values (HKEY_LOCAL_MACHINE on Windows). Keys and values are Shift_JIS.
class Registry {
  public:
    virtual ~Registry() = default;
    virtual bool KeyExists(const std::string& key) = 0;
    virtual std::optional<std::string> ReadValue(const std::string& key,
                                                 const std::string& valueName) = 0;
};

// A registry with no keys at all: what a machine without installer records has.
class EmptyRegistry : public Registry {
  public:
    bool KeyExists(const std::string&) override { return false; }
    std::optional<std::string> ReadValue(const std::string&, const std::string&) override {
        return std::nullopt;
    }
};

// Installer records kept in an INI file, one section per key with its values ("name=value"):
// how installers on POSIX record where they put a program, in place of the Windows registry.
class InstallerRecordsFile : public Registry {
  public:
    explicit InstallerRecordsFile(std::string path) : path_(std::move(path)) {}
    bool KeyExists(const std::string& key) override;
    std::optional<std::string> ReadValue(const std::string& key,
                                         const std::string& valueName) override;

  private:
    std::string path_;
};

// The machine's registry: HKEY_LOCAL_MACHINE on Windows; on POSIX the installer records file
// named by KAGIROI_REGISTRY, else $XDG_CONFIG_HOME/kagiroi/installer-records.ini
// (~/.config/kagiroi/installer-records.ini).
std::unique_ptr<Registry> MakeMachineRegistry();
std::string DefaultInstallerRecordsPath();

}  // namespace kagiroi
