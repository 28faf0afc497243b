#pragma once

#include "daystore/RaceSlot.h"
#include "platform/FileSystem.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kagiroi {

// The three odds files of a day: O1 (win, place, bracket), O5 (trio), O6 (trifecta).
enum class OddsKind { O1 = 0, O5 = 1, O6 = 2 };
int OddsRecordLength(OddsKind kind);

// The four characters that find a race's record in an odds file: racecourse code (position 20)
// followed by race number (position 26).
std::string OddsRecordKey(std::string_view record);

struct OddsRecordLookup {
    enum class Status { Found, NoFile, NoRecord, Unreadable };
    Status status = Status::NoFile;
    std::string record;  // the whole record when found
};

// The loaded day's odds files, each known by the keys of its records. A day load looks up all
// 36 races in every file; reading a file's keys once (8 bytes of each record, by positioned
// reads) and then reading only the record that matches keeps that to one pass over the keys
// instead of a scan from the start for every race. A file is re-indexed when its size,
// modification time or identity changed since, or after Invalidate().
class OddsFiles {
  public:
    OddsFiles() = default;
    explicit OddsFiles(const DayPaths& paths);

    // A new day: forgets everything known about the previous day's files.
    void SetDay(const DayPaths& paths);
    // Forgets the keys, so the next lookup reads them again (after a fetch stored odds).
    void Invalidate();

    const std::string& Path(OddsKind kind) const;
    // The first record of the file whose key equals `key`, as a scan from the start finds it.
    OddsRecordLookup Find(OddsKind kind, std::string_view key);
    // The same, straight into `record` when found (left as it was otherwise). `record`'s
    // storage is kept for the next read of this kind, so a day load of 36 races reads its
    // 83 KB trifecta records without making a new buffer for each.
    OddsRecordLookup::Status FindInto(OddsKind kind, std::string_view key, std::string& record);

    // Working buffers of the code that reads these files, made at the first use and kept
    // for the next: a day load of 36 races allocates them once, and each thread that reads
    // days has its own. (Not thread_local: a Windows runtime may run a thread's destructors
    // after its thread storage is gone.)
    template <class Buffers>
    Buffers& Scratch() {
        if (!scratch_) scratch_ = std::make_shared<Buffers>();
        return *static_cast<Buffers*>(scratch_.get());
    }

  private:
    struct Index {
        std::string path;
        std::optional<FileStamp> stamp;  // the version the keys were read from
        bool unreadable = false;
        std::vector<std::string> keys;  // key of record k at k
        std::string buffer;             // where the next record is read to
    };
    Index& IndexOf(OddsKind kind);
    void Rebuild(Index& index, int recordLength, const FileStamp& stamp);
    static OddsRecordLookup::Status ReadRecord(Index& index, int recordLength, size_t number,
                                               std::string_view key);

    std::array<Index, 3> files_;
    std::shared_ptr<void> scratch_;
};

}  // namespace kagiroi
