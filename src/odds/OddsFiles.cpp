#include "odds/OddsFiles.h"

#include "daystore/RecordLayout.h"
#include "platform/TextField.h"

#include <algorithm>

namespace kagiroi {

namespace {

// The race within its date: racecourse code, meeting, day and race number.
constexpr int kKeySpanOffset = RaceHead::RaceOfDate.pos - 1;
constexpr int kKeySpanLength = RaceHead::RaceOfDate.len;

}  // namespace

int OddsRecordLength(OddsKind kind) {
    switch (kind) {
        case OddsKind::O1:
            return kO1Length;
        case OddsKind::O5:
            return kO5Length;
        case OddsKind::O6:
            return kO6Length;
    }
    return kO1Length;
}

std::string OddsRecordKey(std::string_view record) {
    return FieldAt(record, RaceHead::Course) + FieldAt(record, RaceHead::RaceNumber);
}

OddsFiles::OddsFiles(const DayPaths& paths) {
    SetDay(paths);
}

void OddsFiles::SetDay(const DayPaths& paths) {
    files_ = {};
    files_[static_cast<size_t>(OddsKind::O1)].path = paths.o1File;
    files_[static_cast<size_t>(OddsKind::O5)].path = paths.o5File;
    files_[static_cast<size_t>(OddsKind::O6)].path = paths.o6File;
}

void OddsFiles::Invalidate() {
    for (auto& index : files_) {
        index.stamp.reset();
        index.keys.clear();
    }
}

const std::string& OddsFiles::Path(OddsKind kind) const {
    return files_[static_cast<size_t>(kind)].path;
}

OddsFiles::Index& OddsFiles::IndexOf(OddsKind kind) {
    return files_[static_cast<size_t>(kind)];
}

void OddsFiles::Rebuild(Index& index, int recordLength, const FileStamp& stamp) {
    index.stamp = stamp;
    index.keys.clear();
    index.unreadable = true;
    RecordFile file(index.path);
    if (!file.IsOpen()) return;
    int64_t records = file.RecordCount(recordLength);
    index.keys.reserve(static_cast<size_t>(records));
    for (int64_t k = 0; k < records; ++k) {
        auto span = file.ReadChecked(k * recordLength + kKeySpanOffset, kKeySpanLength);
        if (!span) {
            index.keys.clear();
            return;
        }
        // The span starts at the racecourse code; the race number is its last two bytes.
        index.keys.push_back(span->substr(0, 2) + span->substr(kKeySpanLength - 2, 2));
    }
    index.unreadable = false;
}

OddsRecordLookup::Status OddsFiles::ReadRecord(Index& index, int recordLength, size_t number,
                                               std::string_view key) {
    using Status = OddsRecordLookup::Status;
    RecordFile file(index.path);
    if (!file.IsOpen()) return Status::Unreadable;
    int64_t offset = static_cast<int64_t>(number) * recordLength;
    // A buffer of the right size is read over as it is: no blanking first.
    std::string& record = index.buffer;
    record.resize(static_cast<size_t>(recordLength));
    int64_t expected = std::clamp<int64_t>(file.Size() - offset, 0, recordLength);
    if (expected > 0 && file.ReadAt(offset, record.data(), expected) != expected)
        return Status::Unreadable;
    // Bytes past the end of a short last record read as blanks.
    std::fill(record.begin() + expected, record.end(), ' ');
    // The file may have been rewritten since its keys were read without its stamp showing it.
    if (OddsRecordKey(record) != key) return Status::NoRecord;
    return Status::Found;
}

OddsRecordLookup OddsFiles::Find(OddsKind kind, std::string_view key) {
    OddsRecordLookup lookup;
    lookup.status = FindInto(kind, key, lookup.record);
    return lookup;
}

OddsRecordLookup::Status OddsFiles::FindInto(OddsKind kind, std::string_view key,
                                             std::string& record) {
    using Status = OddsRecordLookup::Status;
    Index& index = IndexOf(kind);
    int length = OddsRecordLength(kind);
    for (int attempt = 0; attempt < 2; ++attempt) {
        auto stamp = StampOf(index.path);
        if (!stamp) {
            index.stamp.reset();
            index.keys.clear();
            return Status::NoFile;
        }
        if (!stamp->regular) return Status::Unreadable;
        if (attempt > 0 || index.stamp != stamp) Rebuild(index, length, *stamp);
        if (index.unreadable) return Status::Unreadable;
        auto found = std::find(index.keys.begin(), index.keys.end(), key);
        if (found == index.keys.end()) return Status::NoRecord;
        Status status =
            ReadRecord(index, length, static_cast<size_t>(found - index.keys.begin()), key);
        if (status == Status::Found) record.swap(index.buffer);
        if (status != Status::NoRecord) return status;
    }
    return Status::NoRecord;
}

}  // namespace kagiroi
