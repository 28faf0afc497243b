#pragma once

#include "odds/OddsFiles.h"
#include "platform/FileSystem.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kagiroi {

// The odds announcements of one race and kind as a time-series file holds them, one record a
// line in any order. Lines of the wrong length, of another race or kind, or without a readable
// announcement time are not taken; they are counted so the file can be told once in the log.
class AnnouncementFile {
  public:
    // `raceKey` is the 16-byte race key the file's lines must carry.
    static AnnouncementFile Read(const std::string& path, OddsKind kind, std::string_view raceKey);

    ReadStatus Status() const { return status_; }
    const FileError& Error() const { return error_; }
    size_t Count() const { return spans_.size(); }
    std::string_view Line(size_t i) const {
        return std::string_view(data_).substr(spans_[i].first, spans_[i].second);
    }
    int Skipped() const { return skipped_; }

  private:
    ReadStatus status_ = ReadStatus::Missing;
    FileError error_;
    std::string data_;
    std::vector<std::pair<size_t, size_t>> spans_;  // offset and length of each usable line
    int skipped_ = 0;
};

// The error-log line for a file with lines that were not taken.
std::string SkippedLinesText(const std::string& path, int skipped);

// Minutes after midnight of a record's announcement time.
int AnnouncementMinutes(std::string_view record);
// Announced on the race's own day: the announcement month-day equals the race's month-day.
bool AnnouncedOnRaceDay(std::string_view record);

// The line of the announcement nearest to `fetchTime` ("hhmm"), before or after it, among those
// of the race's own day; the first in file order of equally near ones. Announcements 1000
// minutes or more away are never taken. -1 when there is none.
int NearestAnnouncement(const AnnouncementFile& file, const std::string& fetchTime);

}  // namespace kagiroi
