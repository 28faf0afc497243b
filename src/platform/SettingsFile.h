#pragma once

#include "platform/FileSystem.h"

#include <string>

namespace kagiroi {

// The settings file both programs share: "kagiroi.ini" in the program folder.
std::string SettingsFilePath(const std::string& programFolder);

// The program's settings file, read key by key from the file at every read and written through
// to the file at every write; there is no in-memory copy, so a value written anywhere is seen
// by the next read everywhere. A missing or unreadable file reads as defaults; the first write
// creates a missing file, but an unreadable one is left as it is and the write fails (it would
// otherwise come back holding only the one key).
class SettingsFile {
  public:
    explicit SettingsFile(std::string path);

    const std::string& Path() const { return path_; }

    // Text values: the default comes back unchanged when the key is missing; a stored value
    // wrapped in double quotes or in ｢｣ loses the wrapping. At most 2047 bytes are read.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& fallback) const;
    // Decimal, or hexadecimal after "0x"; a missing or unreadable value gives the default.
    int ReadInteger(const std::string& section, const std::string& key, int fallback) const;
    bool ReadBool(const std::string& section, const std::string& key, bool fallback) const;

    // Each write goes to disk at once (atomically). False when the file could not be written,
    // which is also told to the failure report.
    bool WriteString(const std::string& section, const std::string& key, const std::string& value);
    bool WriteInteger(const std::string& section, const std::string& key, int value);
    bool WriteBool(const std::string& section, const std::string& key, bool value);

    // Where a failed write is reported (the window's status line and the error log).
    void ReportFailuresTo(FailureReport report) { report_ = std::move(report); }

  private:
    bool Fail(const std::string& what, const FileError& error);

    std::string path_;
    FailureReport report_;
};

// The text as the private-profile read gives it back: exactly "\"\"" or "｢｣" read as empty,
// a longer text in double quotes or in ｢｣ loses its first and last character.
std::string UnwrapSettingText(const std::string& raw);

}  // namespace kagiroi
