#include "daystore/StoreRules.h"

#include "daystore/RecordLayout.h"
#include "platform/TextField.h"

namespace kagiroi {

namespace {

int RaceNumberOf(std::string_view record) {
    return NumberAt(record, RaceHead::RaceNumber);
}

bool HorseInRange(std::string_view record) {
    int horse = NumberAt(record, SE::Horse);
    return horse >= 1 && horse <= kMaxRunners;
}

bool DateFrom(std::string_view record, int startDate) {
    return ToInt(FieldAt(record, RaceHead::Date)) >= startDate - 10;
}

std::string DataKind(std::string_view record) {
    return FieldAt(record, RaceHead::DataKind);
}

bool IsLocalOrOverseas(std::string_view record) {
    std::string kind = DataKind(record);
    return kind == "A" || kind == "B";
}

bool IsDeletedOrAbandoned(std::string_view record) {
    std::string kind = DataKind(record);
    return kind == "0" || kind == "9";
}

}  // namespace

RecordKind KindOf(std::string_view record) {
    std::string kind = FieldAt(record, RaceHead::Kind);
    if (kind == "RA") return RecordKind::RA;
    if (kind == "SE") return RecordKind::SE;
    if (kind == "HR") return RecordKind::HR;
    if (kind == "O1") return RecordKind::O1;
    if (kind == "O5") return RecordKind::O5;
    if (kind == "O6") return RecordKind::O6;
    if (kind == "DM") return RecordKind::DM;
    if (kind == "WE") return RecordKind::WE;
    if (kind == "TC") return RecordKind::TC;
    return RecordKind::Other;
}

int RecordLengthOf(RecordKind kind) {
    switch (kind) {
        case RecordKind::RA:
            return kRaLength;
        case RecordKind::SE:
            return kSeLength;
        case RecordKind::HR:
            return kHrLength;
        case RecordKind::O1:
            return kO1Length;
        case RecordKind::O5:
            return kO5Length;
        case RecordKind::O6:
            return kO6Length;
        case RecordKind::DM:
            return kDmLength;
        case RecordKind::WE:
            return kWeLength;
        case RecordKind::TC:
            return kTcLength;
        case RecordKind::Other:
            return 0;
    }
    return 0;
}

bool IsWellFormedRecord(std::string_view record) {
    int length = RecordLengthOf(KindOf(record));
    if (length == 0 || record.size() != static_cast<size_t>(length)) return false;
    if (record.substr(record.size() - 2) != "\r\n") return false;
    std::string_view body = record.substr(0, record.size() - 2);
    return body.find('\n') == std::string_view::npos && body.find('\r') == std::string_view::npos;
}

bool PassesDownloadFilter(std::string_view record, int startDate, bool finalOdds) {
    switch (KindOf(record)) {
        case RecordKind::RA: {
            int runners = NumberAt(record, RA::Registered);
            return !IsLocalOrOverseas(record) && DateFrom(record, startDate) &&
                   RaceNumberOf(record) > 0 && runners >= 1 && runners <= kMaxRunners;
        }
        case RecordKind::SE:
            return !IsLocalOrOverseas(record) && RaceNumberOf(record) > 0 && HorseInRange(record) &&
                   DateFrom(record, startDate);
        case RecordKind::HR:
            return DateFrom(record, startDate) && RaceNumberOf(record) > 0;
        case RecordKind::O1:
        case RecordKind::O5:
        case RecordKind::O6:
            return finalOdds && !IsDeletedOrAbandoned(record) && RaceNumberOf(record) > 0;
        default:
            return false;
    }
}

bool IsAnnouncedOdds(std::string_view record) {
    RecordKind kind = KindOf(record);
    if (kind != RecordKind::O1 && kind != RecordKind::O5 && kind != RecordKind::O6) return false;
    std::string dataKind = DataKind(record);
    return (dataKind == "1" || dataKind == "2" || dataKind == "3") && RaceNumberOf(record) > 0;
}

bool PassesRealTimeFilter(std::string_view record) {
    switch (KindOf(record)) {
        case RecordKind::RA:
        case RecordKind::HR:
        case RecordKind::DM:
            return RaceNumberOf(record) > 0;
        case RecordKind::SE:
            return RaceNumberOf(record) > 0 && HorseInRange(record);
        case RecordKind::O1:
        case RecordKind::O5:
        case RecordKind::O6:
            return !IsDeletedOrAbandoned(record) && RaceNumberOf(record) > 0;
        case RecordKind::WE:
        case RecordKind::TC:
            return true;
        case RecordKind::Other:
            return false;
    }
    return false;
}

std::string StoredLine(std::string_view record, StoreRoute route) {
    std::string line(record.substr(0, record.size() - 2));
    if (NormalisesHead(KindOf(record), route)) line.replace(2, 9, "000000000");
    return line;
}

bool NormalisesHead(RecordKind kind, StoreRoute route) {
    switch (kind) {
        case RecordKind::RA:
        case RecordKind::O1:
        case RecordKind::O5:
        case RecordKind::O6:
        case RecordKind::DM:
            return true;
        case RecordKind::HR:
            return route == StoreRoute::Download;
        default:
            return false;
    }
}

bool NeedsExistingFile(RecordKind kind, StoreRoute route) {
    return route == StoreRoute::RealTime && (kind == RecordKind::RA || kind == RecordKind::SE);
}

}  // namespace kagiroi
