#include "odds/AnnouncementFile.h"

#include "daystore/RecordFields.h"
#include "daystore/RecordLayout.h"
#include "odds/TimeSeriesLayout.h"
#include "platform/DateTime.h"
#include "platform/Format.h"
#include "platform/TextField.h"

#include <cstdlib>
#include <cstring>

namespace kagiroi {

namespace {

constexpr int kNeverNear = 1000;  // minutes

bool IsUsableLine(std::string_view line, OddsKind kind, std::string_view raceKey) {
    return line.size() == static_cast<size_t>(OddsRecordLength(kind) - 2) &&
           OddsKindOf(line) == kind &&
           line.substr(RaceHead::RaceKey.pos - 1, RaceHead::RaceKey.len) == raceKey &&
           IsDigits(FieldAt(line, Odds::Announcement));
}

// Where the line from `start` ends: at the first CR or LF, or at the end of the data.
size_t LineEnd(const std::string& data, size_t start) {
    const char* from = data.data() + start;
    size_t rest = data.size() - start;
    const void* lf = std::memchr(from, '\n', rest);
    size_t end = lf != nullptr ? static_cast<size_t>(static_cast<const char*>(lf) - from) : rest;
    const void* cr = std::memchr(from, '\r', end);
    if (cr != nullptr) end = static_cast<size_t>(static_cast<const char*>(cr) - from);
    return start + end;
}

}  // namespace

AnnouncementFile AnnouncementFile::Read(const std::string& path, OddsKind kind,
                                        std::string_view raceKey) {
    AnnouncementFile file;
    FileContents contents = ReadFileContents(path);
    file.status_ = contents.status;
    file.error_ = contents.error;
    file.data_ = std::move(contents.data);
    const std::string& data = file.data_;
    // Lines end at CR LF, LF or a lone CR; empty lines are no records and no damage either.
    // A file holds megabytes of trifecta records: the breaks are found with memchr.
    size_t start = 0;
    while (start < data.size()) {
        size_t end = LineEnd(data, start);
        std::string_view line(data.data() + start, end - start);
        if (!line.empty()) {
            if (IsUsableLine(line, kind, raceKey))
                file.spans_.emplace_back(start, line.size());
            else
                ++file.skipped_;
        }
        start = end + (data.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return file;
}

std::string SkippedLinesText(const std::string& path, int skipped) {
    return Format("%s：このレースのオッズでない行が%d行あり、読み飛ばしました。", path.c_str(),
                  skipped);
}

int AnnouncementMinutes(std::string_view record) {
    return NumberAt(record, Odds::AnnouncedHour) * 60 + NumberAt(record, Odds::AnnouncedMinute);
}

bool AnnouncedOnRaceDay(std::string_view record) {
    return FieldAt(record, RaceHead::MonthDay) == FieldAt(record, Odds::AnnouncedMonthDay);
}

int NearestAnnouncement(const AnnouncementFile& file, const std::string& fetchTime) {
    int target = MinutesOfDay(fetchTime);
    int best = kNeverNear;
    int chosen = -1;
    for (size_t i = 0; i < file.Count(); ++i) {
        std::string_view line = file.Line(i);
        if (!AnnouncedOnRaceDay(line)) continue;
        int distance = std::abs(target - AnnouncementMinutes(line));
        if (distance < best) {
            best = distance;
            chosen = static_cast<int>(i);
        }
    }
    return chosen;
}

}  // namespace kagiroi
