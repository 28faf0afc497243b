#include "odds/TimeSeriesLayout.h"

#include "daystore/DayFiles.h"
#include "daystore/RecordLayout.h"
#include "platform/FileSystem.h"
#include "platform/TextField.h"

namespace kagiroi {

namespace {

RecordKind RecordKindOf(OddsKind kind) {
    switch (kind) {
        case OddsKind::O1:
            return RecordKind::O1;
        case OddsKind::O5:
            return RecordKind::O5;
        case OddsKind::O6:
            return RecordKind::O6;
    }
    return RecordKind::Other;
}

}  // namespace

const char* OddsExtension(OddsKind kind) {
    return DayFileExtension(RecordKindOf(kind));
}

std::optional<OddsKind> OddsKindOf(std::string_view record) {
    std::string kind = FieldAt(record, RaceHead::Kind);
    if (kind == "O1") return OddsKind::O1;
    if (kind == "O5") return OddsKind::O5;
    if (kind == "O6") return OddsKind::O6;
    return std::nullopt;
}

std::optional<std::string> TimeSeriesFile(const std::string& folder, std::string_view raceRecord,
                                          OddsKind kind) {
    std::string date = FieldAt(raceRecord, RaceHead::Date);
    std::string race = FieldAt(raceRecord, RaceHead::RaceOfDate);
    if (!IsDigits(date) || !IsDigits(race) || ToInt(date) <= 0) return std::nullopt;
    return JoinPath(JoinPath(folder, date), race + OddsExtension(kind));
}

std::string OddsHistoryFolder(const std::string& programFolder) {
    return JoinPath(programFolder, "Jikeiretu");
}

}  // namespace kagiroi
