#include "platform/IniFile.h"

#include "platform/Sjis.h"
#include "platform/TextField.h"
#include "platform/TextLines.h"

namespace kagiroi {

namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The section name of a header line "[name]", or nothing.
std::optional<std::string> SectionName(const std::string& line) {
    std::string t = Trim(line);
    if (t.size() < 2 || t.front() != '[') return std::nullopt;
    size_t close = t.find(']');
    if (close == std::string::npos) return std::nullopt;
    return Trim(t.substr(1, close - 1));
}

// The key of a "key=value" line; comments and lines without '=' have none.
std::optional<std::string> KeyName(const std::string& line) {
    std::string t = TrimLeft(line);
    if (t.empty() || t.front() == ';' || t.front() == '[') return std::nullopt;
    size_t eq = t.find('=');
    if (eq == std::string::npos) return std::nullopt;
    return Trim(t.substr(0, eq));
}

// A value written into one line must not carry a line break.
std::string OneLine(const std::string& value) {
    std::string out;
    for (char c : value)
        if (c != '\r' && c != '\n') out += c;
    return out;
}

}  // namespace

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (IsSjisLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
            // Trail bytes are compared exactly: they are not letters.
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
            ++i;
            continue;
        }
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

IniText::IniText(const std::string& text) : lines_(SplitLines(text)) {}

int IniText::FindSection(const std::string& section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        auto name = SectionName(lines_[i]);
        if (name && EqualsIgnoringCase(*name, section)) return static_cast<int>(i);
    }
    return -1;
}

int IniText::FindKey(int header, const std::string& key, int* end) const {
    int found = -1;
    int afterLastKey = header + 1;
    for (size_t i = static_cast<size_t>(header) + 1; i < lines_.size(); ++i) {
        if (SectionName(lines_[i])) break;
        auto name = KeyName(lines_[i]);
        if (!name) continue;
        afterLastKey = static_cast<int>(i) + 1;
        if (found < 0 && EqualsIgnoringCase(*name, key)) found = static_cast<int>(i);
    }
    if (end != nullptr) *end = afterLastKey;
    return found;
}

std::optional<std::string> IniText::Get(const std::string& section, const std::string& key) const {
    int header = FindSection(section);
    if (header < 0) return std::nullopt;
    int line = FindKey(header, key, nullptr);
    if (line < 0) return std::nullopt;
    const std::string& text = lines_[static_cast<size_t>(line)];
    return Trim(text.substr(text.find('=') + 1));
}

void IniText::Set(const std::string& section, const std::string& key, const std::string& value) {
    std::string entry = OneLine(key) + "=" + OneLine(value);
    int header = FindSection(section);
    if (header < 0) {
        lines_.push_back("[" + OneLine(section) + "]");
        lines_.push_back(entry);
        return;
    }
    int end = 0;
    int line = FindKey(header, key, &end);
    if (line >= 0) {
        lines_[static_cast<size_t>(line)] = entry;
    } else {
        lines_.insert(lines_.begin() + end, entry);
    }
}

std::string IniText::Text() const {
    return JoinLines(lines_);
}

}  // namespace kagiroi
