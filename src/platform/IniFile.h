#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kagiroi {

// An INI text that behaves like the Windows private-profile functions: sections and keys match
// without regard to letter case, the first match wins, values are read trimmed, and a write
// changes only the one line it concerns, keeping every other line as it was.
class IniText {
  public:
    explicit IniText(const std::string& text = "");

    std::optional<std::string> Get(const std::string& section, const std::string& key) const;
    bool HasSection(const std::string& section) const { return FindSection(section) >= 0; }
    void Set(const std::string& section, const std::string& key, const std::string& value);
    // The text with CR LF after every line.
    std::string Text() const;

  private:
    // Line index of the section header, or -1.
    int FindSection(const std::string& section) const;
    // Line index of the key within the section starting after `header`, or -1; `end` receives
    // the index after the section's last key line.
    int FindKey(int header, const std::string& key, int* end) const;
    std::vector<std::string> lines_;
};

// True when two Shift_JIS names are equal without regard to the case of ASCII letters.
bool EqualsIgnoringCase(const std::string& a, const std::string& b);

}  // namespace kagiroi
