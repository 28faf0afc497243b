#pragma once

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

}  // namespace kagiroi
