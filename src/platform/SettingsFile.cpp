#include "platform/SettingsFile.h"

#include "platform/FileSystem.h"
#include "platform/FolderLock.h"
#include "platform/Format.h"
#include "platform/IniFile.h"
#include "platform/Sjis.h"
#include "platform/TextField.h"

namespace kagiroi {

std::string SettingsFilePath(const std::string& programFolder) {
    return JoinPath(programFolder, "kagiroi.ini");
}

namespace {

constexpr size_t kMaxValueBytes = 2047;
constexpr char kOpenBracket = '\xA2';   // ｢ (half-width)
constexpr char kCloseBracket = '\xA3';  // ｣ (half-width)

IniText Load(const std::string& path) {
    auto text = ReadWholeFile(path);
    return IniText(text ? *text : std::string());
}

// Cuts a text to at most `limit` bytes without splitting a two-byte character.
std::string CutToBytes(const std::string& text, size_t limit) {
    if (text.size() <= limit) return text;
    size_t i = 0;
    while (i < limit) {
        size_t width = IsSjisLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
        if (i + width > limit) break;
        i += width;
    }
    return text.substr(0, i);
}

// The last character of a Shift_JIS text is the single byte `c` (not a trail byte).
bool EndsWithSingle(const std::string& text, char c) {
    if (text.empty() || text.back() != c) return false;
    size_t i = 0, lastStart = 0;
    while (i < text.size()) {
        lastStart = i;
        i += IsSjisLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    }
    return lastStart == text.size() - 1;
}

bool ParseInteger(const std::string& raw, int& value) {
    std::string t = Trim(raw);
    if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
        long long v = 0;
        for (size_t i = 2; i < t.size(); ++i) {
            char c = t[i];
            int digit;
            if (c >= '0' && c <= '9') {
                digit = c - '0';
            } else if (c >= 'a' && c <= 'f') {
                digit = c - 'a' + 10;
            } else if (c >= 'A' && c <= 'F') {
                digit = c - 'A' + 10;
            } else {
                return false;
            }
            v = v * 16 + digit;
            if (v > 0xFFFFFFFFLL) return false;
        }
        value = static_cast<int>(static_cast<unsigned int>(v));
        return true;
    }
    int64_t v = 0;
    if (!TryToInt64(t, v) || v > INT32_MAX || v < INT32_MIN) return false;
    value = static_cast<int>(v);
    return true;
}

}  // namespace

std::string UnwrapSettingText(const std::string& raw) {
    if (raw == "\"\"" || raw == std::string{kOpenBracket, kCloseBracket}) return {};
    if (raw.size() > 2) {
        bool quoted = raw.front() == '"' && EndsWithSingle(raw, '"');
        bool bracketed = raw.front() == kOpenBracket && EndsWithSingle(raw, kCloseBracket);
        if (quoted || bracketed) return raw.substr(1, raw.size() - 2);
    }
    return raw;
}

SettingsFile::SettingsFile(std::string path) : path_(std::move(path)) {}

std::string SettingsFile::ReadString(const std::string& section, const std::string& key,
                                     const std::string& fallback) const {
    // The default travels wrapped in ｢｣, so that its leading and trailing blanks survive.
    auto stored = Load(path_).Get(section, key);
    std::string raw = stored ? *stored : kOpenBracket + fallback + kCloseBracket;
    return UnwrapSettingText(CutToBytes(raw, kMaxValueBytes));
}

int SettingsFile::ReadInteger(const std::string& section, const std::string& key,
                              int fallback) const {
    auto stored = Load(path_).Get(section, key);
    int value = 0;
    if (!stored || !ParseInteger(*stored, value)) return fallback;
    return value;
}

bool SettingsFile::ReadBool(const std::string& section, const std::string& key,
                            bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

bool SettingsFile::WriteString(const std::string& section, const std::string& key,
                               const std::string& value) {
    // Another program's write between this read and the rename would be lost without the lock.
    FolderLock lock;
    if (!lock.Held())
        return Fail("設定ファイル " + path_ + " に設定を保存できませんでした", lock.Error());
    FileContents before = ReadFileContents(path_);
    if (before.status == ReadStatus::Failed)
        return Fail("設定ファイル " + path_ + " を読み込めないため、設定を保存できませんでした",
                    before.error);
    IniText ini(before.data);
    ini.Set(section, key, value);
    std::string text = ini.Text();
    // Writing the same value again changes nothing on disk; skip the rewrite and its flush.
    if (before.status == ReadStatus::Read && before.data == text) return true;
    FileError error;
    if (!WriteFileAtomic(path_, text, &error))
        return Fail("設定ファイル " + path_ + " に設定を保存できませんでした", error);
    return true;
}

bool SettingsFile::Fail(const std::string& what, const FileError& error) {
    if (report_) report_(DescribeFailure(what, error));
    return false;
}

bool SettingsFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    return WriteString(section, key, Format("%d", value));
}

bool SettingsFile::WriteBool(const std::string& section, const std::string& key, bool value) {
    return WriteString(section, key, value ? "1" : "0");
}

}  // namespace kagiroi
